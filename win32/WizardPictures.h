#pragma once
// The wizard's pictures for native windows, decoded from the PNG files compiled into a module's
// resources (RCDATA, named as PictureName in capitals) and drawn over the dialog's face colour.
#include <windows.h>

#include "wizard/WizardDesign.h"

namespace kgh::native {

// The picture scaled to fit `width` x `height` pixels, keeping its proportions; null when the
// module holds no such picture or it cannot be decoded. The caller deletes the bitmap.
HBITMAP LoadWizardPicture(HMODULE module, WizardPicture picture, int width, int height);

}  // namespace kgh::native
