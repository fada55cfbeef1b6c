#pragma once
// The small pictures of the picture buttons, taken from the widget style so that they match the
// desktop: an open folder and four arrows.
#include <QIcon>

#include "forms/Design.h"

namespace kgh::qt {

using forms::Picture;

QIcon StyleIcon(Picture picture);

}  // namespace kgh::qt
