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
  switch (picture) {
    case WizardPicture::Introduction:
      return QStringLiteral(":/wizard/intro.png");
    case WizardPicture::Choose:
      return QStringLiteral(":/wizard/choose.png");
    case WizardPicture::Instructions:
      return QStringLiteral(":/wizard/instructions.png");
    case WizardPicture::Finished:
      return QStringLiteral(":/wizard/finished.png");
    case WizardPicture::Server:
      return QStringLiteral(":/wizard/server.png");
    case WizardPicture::BlankPage:
      return QStringLiteral(":/wizard/blank.png");
  }
  return {};
}

}  // namespace

WizardPicture StepPicture(int index) {
  switch (index) {
    case 0:
      return WizardPicture::Introduction;
    case 1:
      return WizardPicture::Choose;
    case 2:
      return WizardPicture::Instructions;
    default:
      return WizardPicture::Finished;
  }
}

QPixmap WizardPixmap(WizardPicture picture, const QSize& size, qreal device_pixel_ratio) {
  QPixmap source(ResourcePath(picture));
  if (source.isNull()) return source;
  QPixmap scaled = source.scaled(size * device_pixel_ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(device_pixel_ratio);
  return scaled;
}

QIcon WizardIcon(WizardPicture picture) { return QIcon(ResourcePath(picture)); }

}  // namespace kgh::qt
