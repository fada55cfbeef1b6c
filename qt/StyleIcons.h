#pragma once
// The small pictures of the picture buttons, taken from the widget style so that they match the
// desktop: an open folder and four arrows.
#include <QIcon>

#include "forms/Design.h"

class QPushButton;
class QWidget;

namespace kgh::qt {

using forms::Picture;

QIcon StyleIcon(Picture picture);

// A picture button: no caption, the picture, an accessible name, and the size the form gives it
// in twips.
QPushButton* MakePictureButton(QWidget* parent, Picture picture, const char* accessible_name, int width_twips,
                               int height_twips);

}  // namespace kgh::qt
