#include "win32/DomainDialogWindow.h"

namespace kgh::native {

DomainDialogWindow::DomainDialogWindow(dlgDomain& form) : DialogWindow(form.Caption, 260, 58), form_(form) {
  form_.on_closed = [this] { EndModal(); };
}

DomainDialogWindow::~DomainDialogWindow() { form_.on_closed = nullptr; }

void DomainDialogWindow::Build() {
  const StaticText label = AddLabel("", {7, 7, 190, 18});
  domain_ = AddComboBox({7, 28, 190, 14}, true);
  const PushButton ok = AddButton({203, 7, 50, 14}, true);
  const PushButton cancel = AddButton({203, 24, 50, 14});
  controls_.BindAll(form_.Controls(), label, domain_, ok, cancel);

  // The edit text changes only as the user types or picks a preset; it is stored as typed.
  On(domain_.window, CBN_EDITCHANGE, [this] { form_.cmbDomain.text = WindowText(domain_.window); });
  On(domain_.window, CBN_SELCHANGE, [this] {
    const auto index = static_cast<int>(SendMessageA(domain_.window, CB_GETCURSEL, 0, 0));
    if (index < 0 || static_cast<std::size_t>(index) >= form_.cmbDomain.items.size()) return;
    form_.cmbDomain.list_index = index;
    form_.cmbDomain.text = form_.cmbDomain.items[static_cast<std::size_t>(index)].text;
  });
  On(domain_.window, CBN_SETFOCUS, [this] {
    form_.cmbDomain_GotFocus();
    SelectInEdit(domain_.window, CB_SETEDITSEL, form_.cmbDomain);
  });
  On(ok.window, BN_CLICKED, [this] { form_.OKButton_Click(); });
  On(cancel.window, BN_CLICKED, [this] { form_.CancelButton_Click(); });
}

void DomainDialogWindow::OnCancel() { form_.Form_QueryUnload(); }

}  // namespace kgh::native
