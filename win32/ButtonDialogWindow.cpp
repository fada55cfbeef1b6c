#include "win32/ButtonDialogWindow.h"

namespace kgh::native {

ButtonDialogWindow::ButtonDialogWindow(dlgButton& form) : DialogWindow(form.Caption, 300, 150), form_(form) {
  form_.on_closed = [this] { EndModal(); };
}

ButtonDialogWindow::~ButtonDialogWindow() { form_.on_closed = nullptr; }

void ButtonDialogWindow::BindTextBox(EditBox box, forms::TextBox& control, void (dlgButton::*got_focus)()) {
  On(box.window, EN_CHANGE, [box, &control] { control.text = WindowText(box.window); });
  On(box.window, EN_SETFOCUS, [this, box, &control, got_focus] {
    (form_.*got_focus)();
    SelectInEdit(box.window, EM_SETSEL, control);
  });
}

// Made in the form's tab order: the kind, the three boxes, OK, Cancel, then the browse buttons.
void ButtonDialogWindow::Build() {
  const StaticText type_heading = AddLabel("", {7, 7, 286, 9});
  const ComboBox type = AddComboBox({70, 18, 150, 14}, false);
  const StaticText custom_heading = AddLabel("", {7, 38, 286, 9});
  const StaticText caption_label = AddLabel("", {7, 52, 62, 9});
  const EditBox caption = AddEditBox({70, 50, 223, 13});
  const StaticText url_label = AddLabel("", {7, 69, 62, 9});
  const EditBox url = AddEditBox({70, 67, 200, 13});
  const StaticText bitmap_label = AddLabel("", {7, 86, 62, 9});
  const EditBox bitmap = AddEditBox({70, 84, 200, 13});
  const StaticText hint = AddLabel("", {7, 102, 286, 18});
  const PushButton ok = AddButton({186, 129, 50, 14}, true);
  const PushButton cancel = AddButton({243, 129, 50, 14});
  const PushButton browse = AddPictureButton("Browse for destination page", Glyph::OpenFolder, {274, 66, 19, 15});
  const PushButton browse_bitmap = AddPictureButton("Browse for bitmap", Glyph::OpenFolder, {274, 83, 19, 15});
  // lblCaption holds "&Caption:", "&Bitmap URL:", "&Destination URL:" in that order.
  controls_.BindAll(form_.Controls(), std::array{type_heading, custom_heading}, type,
                    std::array{caption_label, bitmap_label, url_label}, caption, url, bitmap, ok, cancel, browse,
                    browse_bitmap, hint);

  On(type.window, CBN_SELCHANGE, [this, type] {
    form_.cmbType.list_index = static_cast<int>(SendMessageA(type.window, CB_GETCURSEL, 0, 0));
    form_.cmbType_Click();
  });
  BindTextBox(caption, form_.txtCaption, &dlgButton::txtCaption_GotFocus);
  BindTextBox(url, form_.txtURL, &dlgButton::txtURL_GotFocus);
  BindTextBox(bitmap, form_.txtBitmap, &dlgButton::txtBitmap_GotFocus);
  On(browse.window, BN_CLICKED, [this] { form_.cmdBrowse_Click(); });
  On(browse_bitmap.window, BN_CLICKED, [this] { form_.cmdBrowseBitmap_Click(); });
  On(ok.window, BN_CLICKED, [this] { form_.OKButton_Click(); });
  On(cancel.window, BN_CLICKED, [this] { form_.CancelButton_Click(); });
}

void ButtonDialogWindow::OnCancel() { form_.Form_QueryUnload(); }

}  // namespace kgh::native
