#include "win32/ButtonDialogWindow.h"

namespace kgh::native {

ButtonDialogWindow::ButtonDialogWindow(dlgButton& form) : DialogWindow(form.Caption, 220, 200), form_(form) {
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

// Placed and made in the form's design: the kind, the three boxes, OK, Cancel, the hint, then
// the two browse buttons; each label comes just before the box its access key reaches.
void ButtonDialogWindow::Build() {
  SetClientSizeTwips(4950, 4515);
  const auto rule = [this](int left, int right, int top) {
    Add("STATIC", "", SS_ETCHEDHORZ, Twips(left, top, right - left, 30));
  };
  // One line each, up to the control beside them: the system's font may be wider than the one
  // the dialog was designed with.
  const auto line = [this](int left, int top, int width, int height) {
    return StaticText{Add("STATIC", "", SS_LEFTNOWORDWRAP, Twips(left, top, width, height))};
  };
  const StaticText type_heading = line(120, 180, 1380, 315);
  rule(1500, 4740, 240);
  const ComboBox type = AddComboBox(Twips(1440, 600, 3315, 315), false);
  const StaticText custom_heading = line(60, 1080, 1380, 315);
  rule(1440, 4680, 1140);
  const StaticText caption_label = line(120, 1620, 1320, 255);
  const EditBox caption = AddEditBox(Twips(1440, 1560, 3315, 315));
  const StaticText url_label = line(120, 2100, 1320, 255);
  const EditBox url = AddEditBox(Twips(1440, 2040, 2655, 315));
  const StaticText bitmap_label = line(120, 2580, 1320, 255);
  const EditBox bitmap = AddEditBox(Twips(1440, 2520, 2655, 315));
  const PushButton ok = AddButton(Twips(2040, 4020, 1215, 375), true);
  const PushButton cancel = AddButton(Twips(3600, 4020, 1215, 375));
  const StaticText hint = AddLabel("", Twips(480, 3000, 4335, 675));
  rule(0, 4950, 3840);
  const PushButton browse =
      AddPictureButton("Browse for destination page", Glyph::OpenFolder, Twips(4140, 2040, 615, 375));
  const PushButton browse_bitmap = AddPictureButton("Browse for bitmap", Glyph::OpenFolder, Twips(4140, 2520, 615, 375));
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
