// The "Toolbar buttons" page: the rows of the toolbar, edited through dlgButton, reordered and
// nested with the arrow buttons.
#include <utility>

#include "options/OptionsDialogHost.h"
#include "options/dlgButton.h"
#include "options/frmOrvexOptions.h"

namespace kgh {

void frmOrvexOptions::InitToolbarPage() {
  lstButtons.name = "lstButtons";
  // The "Image" column is kept for the bitmap address but not shown.
  lstButtons.columns = {{"Caption", 1440}, {"URL", 2600}, {"Image", 0}};
  const char* captions[] = {"&Change...", "&Add", "&Remove", "", "", "", ""};
  for (std::size_t i = 0; i < cmdButtonOp.size(); ++i) {
    cmdButtonOp[i].name = "cmdButtonOp(" + std::to_string(i) + ")";
    cmdButtonOp[i].caption = captions[i];
  }
}

void frmOrvexOptions::cmdButtonOp_Click(int Index) {
  switch (Index) {
    case kChangeButton:
      ChangeToolbarButton();
      break;
    case kAddButton:
      AddToolbarButton();
      break;
    case kRemoveButton:
      RemoveToolbarButton();
      break;
    case kUpButton:
      MoveToolbarButtonUp();
      break;
    case kDownButton:
      MoveToolbarButtonDown();
      break;
    case kOutdentButton:
      OutdentToolbarButton();
      break;
    case kIndentButton:
      IndentToolbarButton();
      break;
    default:
      break;
  }
  SafeSetFocus(lstButtons);
}

void frmOrvexOptions::lstButtons_DblClick() { cmdButtonOp_Click(kChangeButton); }

void frmOrvexOptions::EnableArrows(bool up_down, bool left, bool right) {
  cmdButtonOp[kUpButton].enabled = cmdButtonOp[kDownButton].enabled = up_down;
  cmdButtonOp[kOutdentButton].enabled = left;
  cmdButtonOp[kIndentButton].enabled = right;
}

// Only a click on a row recomputes the arrows; selections made by the operations keep the
// state of the last click. Standard rows leave Up and Down as they were.
void frmOrvexOptions::lstButtons_ItemClick(int Row) {
  if (Row < 0 || static_cast<std::size_t>(Row) >= lstButtons.rows.size()) return;
  const ToolbarEntry& row = lstButtons.rows[static_cast<std::size_t>(Row)];
  if (row.IsSubEntry()) {
    EnableArrows(false, true, false);
  } else if (row.IsUserKind()) {
    EnableArrows(true, true, true);
  } else {
    cmdButtonOp[kOutdentButton].enabled = cmdButtonOp[kIndentButton].enabled = false;
  }
}

bool frmOrvexOptions::HasSelectedRow() const {
  return lstButtons.selected >= 0 && static_cast<std::size_t>(lstButtons.selected) < lstButtons.rows.size();
}

void frmOrvexOptions::SelectRow(int row) {
  lstButtons.selected = row;
  lstButtons.ensure_visible = row;
}

void frmOrvexOptions::PrepareButtonDialog(dlgButton& dialog) const {
  dialog.ConfigDir = FolderOf(config_path_, services_.flavour);
  dialog.RootDir = root_dir_;
  dialog.DefServer = def_server_;
}

ToolbarEntry frmOrvexOptions::ResultRow(const dlgButton& dialog) {
  if (dialog.ButtonType == kUserButton)
    return UserButtonRow(dialog.ButtonCaption, dialog.ButtonURL, dialog.ButtonBitmap);
  return StandardButtonRow(dialog.ButtonType);
}

void frmOrvexOptions::AddToolbarButton() {
  dlgButton dialog(services_);
  PrepareButtonDialog(dialog);
  dialog.ButtonType = kUserButton;
  dialog.StartAddNew();
  if (!dialog.ShowModal(services_.host)) return;
  // Always at the bottom and top-level, whatever row is selected.
  lstButtons.rows.push_back(ResultRow(dialog));
  SelectRow(static_cast<int>(lstButtons.rows.size()) - 1);
}

void frmOrvexOptions::ChangeToolbarButton() {
  if (!HasSelectedRow()) return;
  const int selected = lstButtons.selected;
  const ToolbarEntry& row = lstButtons.rows[static_cast<std::size_t>(selected)];
  dlgButton dialog(services_);
  PrepareButtonDialog(dialog);
  dialog.ButtonType = row.tag;
  dialog.ButtonCaption = row.caption;  // a sub-entry keeps its mark, so it can stay one
  dialog.ButtonURL = row.url;
  dialog.ButtonBitmap = row.image;
  dialog.Start();
  if (!dialog.ShowModal(services_.host)) return;
  lstButtons.rows[static_cast<std::size_t>(selected)] = ResultRow(dialog);
  SelectRow(selected);
}

void frmOrvexOptions::RemoveToolbarButton() {
  if (!HasSelectedRow()) return;
  const int position = lstButtons.selected;
  auto& rows = lstButtons.rows;
  const std::string& caption = rows[static_cast<std::size_t>(position)].caption;
  if (Ask("Are you sure you want to remove '" + caption + "'?") != MessageAnswer::Yes) return;
  // Sub-entries below stay; they now belong to whichever user button is above them.
  rows.erase(rows.begin() + position);
  if (rows.empty()) {
    lstButtons.selected = lstButtons.ensure_visible = -1;
    return;
  }
  SelectRow(position > 0 ? position - 1 : 0);
}

void frmOrvexOptions::MoveToolbarButtonUp() {
  if (!HasSelectedRow() || lstButtons.selected == 0) return;
  const int position = lstButtons.selected;
  SwapToolbarRows(position, position - 1);
  SelectRow(position - 1);
}

void frmOrvexOptions::MoveToolbarButtonDown() {
  if (!HasSelectedRow()) return;
  const int position = lstButtons.selected;
  if (static_cast<std::size_t>(position) + 1 == lstButtons.rows.size()) return;
  SwapToolbarRows(position, position + 1);
  SelectRow(position + 1);
}

void frmOrvexOptions::SwapToolbarRows(int RowA, int RowB) {
  const auto size = static_cast<int>(lstButtons.rows.size());
  if (RowA < 0 || RowB < 0 || RowA >= size || RowB >= size) return;
  std::swap(lstButtons.rows[static_cast<std::size_t>(RowA)], lstButtons.rows[static_cast<std::size_t>(RowB)]);
}

// The list shows what a read of [Toolbar] delivers, and a save writes the list; buttons of a
// longer section that the read left out would go without a word, so the user decides.
bool frmOrvexOptions::MayRemoveUnreadToolbarButtons() {
  if (toolbar_buttons_unread_ == 0) return true;
  const bool one = toolbar_buttons_unread_ == 1;
  const std::string them = one ? "it" : "them";
  // The read cuts the section inside a line: that button is listed cut short, and saved so.
  return Ask("[Toolbar] in this file is longer than this dialog can read, so its last " +
             (one ? std::string("button is") : std::to_string(toolbar_buttons_unread_) + " buttons are") +
             " not shown here, or not in full. Saving now would remove " + them +
             " from the file, or keep a button cut short. Save anyway?") == MessageAnswer::Yes;
}

void frmOrvexOptions::OutdentToolbarButton() {
  if (!HasSelectedRow()) return;
  std::string& caption = lstButtons.rows[static_cast<std::size_t>(lstButtons.selected)].caption;
  if (HasSubEntryMark(caption)) caption = WithoutSubEntryMark(caption);
}

void frmOrvexOptions::IndentToolbarButton() {
  if (!HasSelectedRow()) return;
  const auto position = static_cast<std::size_t>(lstButtons.selected);
  ToolbarEntry& row = lstButtons.rows[position];
  // One level only, user buttons only, and only below a user button to belong to.
  if (HasSubEntryMark(row.caption) || !row.IsUserKind() || position == 0) return;
  for (std::size_t q = position; q-- > 0;) {
    const ToolbarEntry& above = lstButtons.rows[q];
    if (above.IsUserKind() && !HasSubEntryMark(above.caption)) {
      // The caption becomes a key of the user section, which holds less than a value does.
      if (RefusedAsTyped(services_, TypedText::SubEntryCaption, row.caption)) return;
      row.caption = std::string(kSubEntryMark) + row.caption;
      return;
    }
  }
}

}  // namespace kgh
