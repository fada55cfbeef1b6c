#include "qt/wizard/WizardPictures.h"

#include <QString>

// A static library's resources are not registered unless something refers to them, and the
// macro that does so must be used outside any namespace.
static void RegisterWizardPictures() { Q_INIT_RESOURCE(wizard); }

namespace kgh::qt {

namespace {

QString ResourcePath(WizardPicture picture) {
  static const bool registered = (RegisterWizardPictures(), true);
  (void)registered;
  return QStringLiteral(":/wizard/") + QString::fromLatin1(PictureName(picture)) + QStringLiteral(".png");
}

}  // namespace

QPixmap WizardPixmap(WizardPicture picture, const QSize& size, qreal device_pixel_ratio) {
  QPixmap source(ResourcePath(picture));
  if (source.isNull()) return source;
  QPixmap scaled = source.scaled(size * device_pixel_ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(device_pixel_ratio);
  return scaled;
}

QIcon WizardIcon(WizardPicture picture) { return QIcon(ResourcePath(picture)); }

}  // namespace kgh::qt
