#include "qt/ProgramPictures.h"

#include <QString>

// A static library's resources are not registered unless something refers to them, and the
// macro that does so must be used outside any namespace.
static void RegisterProgramPictures() { Q_INIT_RESOURCE(pictures); }

namespace kgh::qt {

namespace {

QString ResourcePath(const char* name) {
  static const bool registered = (RegisterProgramPictures(), true);
  (void)registered;
  return QStringLiteral(":/pictures/") + QString::fromLatin1(name) + QStringLiteral(".png");
}

}  // namespace

QPixmap ProgramPixmap(const char* name, const QSize& size, qreal device_pixel_ratio) {
  QPixmap source(ResourcePath(name));
  if (source.isNull()) return source;
  QPixmap scaled = source.scaled(size * device_pixel_ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
  scaled.setDevicePixelRatio(device_pixel_ratio);
  return scaled;
}

QIcon ProgramIcon(const char* name) { return QIcon(ResourcePath(name)); }

}  // namespace kgh::qt
