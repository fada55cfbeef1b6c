#pragma once
// Modal dialogs need a QApplication. A host that already runs one keeps it; otherwise the first
// dialog creates one that lives until the process ends, since Qt allows only one per process and
// the host may open the dialog again later.
class QApplication;

namespace kgh::qt {

// The process's QApplication, created on first use when the host has none.
QApplication& EnsureApplication();

}  // namespace kgh::qt
