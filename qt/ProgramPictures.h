#pragma once
// The pictures compiled into the program (a design names them): the wizard's banners and the
// pictures of its choice buttons.
#include <QIcon>
#include <QPixmap>

namespace kgh::qt {

// The picture `name` drawn to fit `size` (logical pixels) at the screen's `device_pixel_ratio`,
// keeping its proportions; empty when no picture of that name is compiled in.
QPixmap ProgramPixmap(const char* name, const QSize& size, qreal device_pixel_ratio);

QIcon ProgramIcon(const char* name);

}  // namespace kgh::qt
