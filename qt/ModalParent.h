#pragma once
// The window a new modal dialog belongs over: the modal dialog in front, else the active window.
class QWidget;

namespace kgh::qt {

QWidget* ModalParent();

}  // namespace kgh::qt
