#pragma once
// Modal dialogs need a QApplication. A host that already runs one keeps it; otherwise the first
// dialog creates one that lives until the process ends, since Qt allows only one per process and
// the host may open the dialog again later.
class QApplication;

namespace kgh::qt {

// The process's QApplication, created on first use when the host has none.
QApplication& EnsureApplication();

// Whether a QApplication made now would find a platform to show windows on. Qt ends the process
// when none of the platforms it tries starts, so a library must ask before it makes one. The
// platforms are chosen as Qt chooses them (QT_QPA_PLATFORM, else the session's and the default);
// X11 needs DISPLAY and Wayland a compositor's socket, while offscreen, minimal and the platforms
// that draw without a display server are taken as usable.
bool DisplayAvailable();

}  // namespace kgh::qt
