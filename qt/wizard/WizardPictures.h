#pragma once
// The wizard's own pictures, compiled into the program: a banner beside each page and the
// pictures of the two choice buttons on "Step 1".
#include <QIcon>
#include <QPixmap>

#include "wizard/WizardDesign.h"

namespace kgh::qt {

// The picture drawn to fit `size` (logical pixels) at the screen's `device_pixel_ratio`,
// keeping its proportions; empty when the picture is not compiled in.
QPixmap WizardPixmap(WizardPicture picture, const QSize& size, qreal device_pixel_ratio);

QIcon WizardIcon(WizardPicture picture);

}  // namespace kgh::qt
