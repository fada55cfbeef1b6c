#pragma once
// The pictures compiled into a module (a design names them), decoded from the PNG files in its
// resources (RCDATA, under their names in capitals) and drawn over the dialog's face colour.
#include <windows.h>

namespace kgh::native {

// The picture `name` scaled to fit `width` x `height` pixels, keeping its proportions; null when
// the module holds no such picture or it cannot be decoded. The caller deletes the bitmap.
HBITMAP LoadProgramPicture(HMODULE module, const char* name, int width, int height);

}  // namespace kgh::native
