#include "win32/OptionsDialogWindow.h"

#include <commctrl.h>

#include <iterator>

#include "forms/HelpPages.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "win32/ButtonDialogWindow.h"
#include "win32/DomainDialogWindow.h"

namespace kgh::native {
namespace {

constexpr RECT kTabStrip{4, 4, 278, 190};  // in dialog units: left, top, width, height

std::wstring RowText(HWND list, int row, int column) {
  wchar_t buffer[1024] = {};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = static_cast<int>(std::size(buffer));
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

void SetRowText(HWND list, int row, int column, const std::string& text) {
  std::wstring shown = ScreenText(text);
  if (RowText(list, row, column) == shown) return;
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = shown.data();
  SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

// The area of the strip that its pages fill, in pixels of the dialog.
RECT DisplayArea(HWND tabs) {
  RECT area{};
  GetClientRect(tabs, &area);
  SendMessageA(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(tabs, GetParent(tabs), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// Each tab's tip, as its own tool of the strip's tool-tip window.
void SetTabTips(HWND tabs, const std::vector<forms::Tab>& tab_texts) {
  const auto tips = reinterpret_cast<HWND>(SendMessageA(tabs, TCM_GETTOOLTIPS, 0, 0));
  if (tips == nullptr) return;
  for (std::size_t i = 0; i < tab_texts.size(); ++i) {
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = tabs;
    tool.uId = i;
    SendMessageA(tips, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageA(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(&tool.rect));
    tool.uFlags = TTF_SUBCLASS;
    tool.lpszText = const_cast<char*>(tab_texts[i].tool_tip.c_str());
    SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

}  // namespace

OptionsDialogWindow::OptionsDialogWindow(frmOrvexOptions& form)
    : DialogWindow(form.Caption, 286, 222), form_(form) {
  form_.SetDialogHost(this);
  form_.on_closed = [this] { EndModal(); };
}

OptionsDialogWindow::~OptionsDialogWindow() {
  form_.SetDialogHost(nullptr);
  form_.on_closed = nullptr;
}

void OptionsDialogWindow::Build() {
  tabs_ = Add(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS | TCS_TOOLTIPS, kTabStrip);
  for (std::size_t i = 0; i < form_.tbsOptions.tabs.size(); ++i) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(form_.tbsOptions.tabs[i].caption.c_str());
    SendMessageA(tabs_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
  }
  SetTabTips(tabs_, form_.tbsOptions.tabs);
  controls_.Bind(form_.tbsOptions, tabs_);
  OnNotify(tabs_, TCN_SELCHANGE, [this](const NMHDR&) {
    form_.tbsOptions.selected = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
    form_.tbsOptions_Click();
  });
  // The pages fill the strip's display area exactly: its border and the buttons below stay clear.
  const RECT page_area = DisplayArea(tabs_);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = AddPageAt(page_area);
    controls_.Bind(form_.picOptions[i], pages_[i]);
  }
  BuildGeneralPage(pages_[frmOrvexOptions::kGeneralPage]);
  BuildDomainsPage(pages_[frmOrvexOptions::kDomainsPage]);
  BuildToolbarPage(pages_[frmOrvexOptions::kToolbarPage]);
  BuildOtherPage(pages_[frmOrvexOptions::kOtherPage]);
  PlaceInto(nullptr);
  const PushButton ok = AddButton({118, 201, 50, 14}, true);
  const PushButton cancel = AddButton({173, 201, 50, 14});
  const PushButton help = AddButton({228, 201, 50, 14});
  controls_.BindAll(form_.FrameControls(), ok, cancel, help);
  On(ok.window, BN_CLICKED, [this] { form_.cmdOK_Click(); });
  On(cancel.window, BN_CLICKED, [this] { form_.cmdCancel_Click(); });
  On(help.window, BN_CLICKED, [this] { form_.cmdHelp_Click(); });
  OnHelpKey([this] { form_.cmdHelp_Click(); });
  // The tab strip paints its whole face: the pages must lie above it. This also makes it the
  // last stop of Tab; Ctrl+Tab switches pages from anywhere.
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The dialog opens with the keyboard on the tab strip, so that Enter means OK, not a button of
  // the first page; posted, so that it comes after the dialog manager has placed the focus.
  PostMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs_), TRUE);
}

void OptionsDialogWindow::BindTextBox(EditBox box, forms::TextBox& control, void (frmOrvexOptions::*got_focus)()) {
  On(box.window, EN_CHANGE, [box, &control] { control.text = WindowText(box.window); });
  if (got_focus == nullptr) return;
  On(box.window, EN_SETFOCUS, [this, box, &control, got_focus] {
    (form_.*got_focus)();
    SelectInEdit(box.window, EM_SETSEL, control);
  });
}

void OptionsDialogWindow::BuildGeneralPage(HWND page) {
  PlaceInto(page);
  const StaticText defaults = AddLabel("", {0, 0, 256, 9});
  const StaticText server_note = AddLabel("", {0, 11, 256, 16});
  const StaticText server_label = AddLabel("", {0, 31, 60, 9});
  const EditBox server = AddEditBox({62, 29, 170, 13});
  const PushButton change_root = AddButton({162, 45, 70, 14});
  const StaticText root_note = AddLabel("", {0, 62, 256, 9});
  const StaticText root_label = AddLabel("", {0, 76, 60, 9});
  const EditBox root = AddEditBox({62, 74, 170, 13});
  const PushButton browse_dir = AddPictureButton("Browse for root directory", Glyph::OpenFolder, {236, 73, 19, 15});
  const StaticText pages_heading = AddLabel("", {0, 96, 256, 9});
  const StaticText home_note = AddLabel("", {0, 107, 256, 9});
  const StaticText home_label = AddLabel("", {0, 121, 60, 9});
  const EditBox home = AddEditBox({62, 119, 170, 13});
  const PushButton browse = AddPictureButton("Browse for home page", Glyph::OpenFolder, {236, 118, 19, 15});
  const StaticText error_note = AddLabel("", {0, 137, 256, 9});
  const StaticText error_label = AddLabel("", {0, 151, 60, 9});
  const EditBox error = AddEditBox({62, 149, 170, 13});
  controls_.BindAll(form_.GeneralPageControls(), defaults, server_note, server_label, server, change_root, root_note,
                    root_label, root, browse_dir, pages_heading, home_note, home_label, home, browse, error_note,
                    error_label, error);
  BindTextBox(server, form_.txtServer, &frmOrvexOptions::txtServer_GotFocus);
  BindTextBox(root, form_.txtRoot, nullptr);
  BindTextBox(home, form_.txtHome, &frmOrvexOptions::txtHome_GotFocus);
  BindTextBox(error, form_.txtError, &frmOrvexOptions::txtError_GotFocus);
  On(change_root.window, BN_CLICKED, [this] { form_.cmdChangeRoot_Click(); });
  On(browse_dir.window, BN_CLICKED, [this] { form_.cmdBrowseDir_Click(); });
  On(browse.window, BN_CLICKED, [this] { form_.cmdBrowse_Click(); });
}

void OptionsDialogWindow::BuildDomainsPage(HWND page) {
  PlaceInto(page);
  const StaticText heading = AddLabel("", {0, 0, 256, 9});
  const ListBox list = AddListBox({0, 12, 190, 150});
  std::array<PushButton, 3> buttons{};
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i] = AddButton({196, 12 + 17 * static_cast<LONG>(i), 60, 14});
  controls_.BindAll(form_.DomainsPageControls(), heading, list, buttons);
  // The form's selected entry is the one the user selected.
  On(list.window, LBN_SELCHANGE, [this, list] {
    form_.lstDomains.list_index = static_cast<int>(SendMessageA(list.window, LB_GETCURSEL, 0, 0));
  });
  On(list.window, LBN_DBLCLK, [this] { form_.lstDomains_DblClick(); });
  for (std::size_t i = 0; i < buttons.size(); ++i)
    On(buttons[i].window, BN_CLICKED, [this, i] { form_.cmdDomainOp_Click(static_cast<int>(i)); });
}

void OptionsDialogWindow::BuildToolbarPage(HWND page) {
  PlaceInto(page);
  const StaticText heading = AddLabel("", {0, 0, 256, 9});
  rows_ = {Add(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, {0, 12, 190, 150},
               WS_EX_CLIENTEDGE)};
  SendMessageA(rows_.window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (std::size_t i = 0; i < form_.lstButtons.columns.size(); ++i) {
    const forms::ListViewColumn& column = form_.lstButtons.columns[i];
    LVCOLUMNA header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.pszText = const_cast<char*>(column.header.c_str());
    header.cx = column.width / 15;  // twips to pixels at 96 dots per inch; 0 keeps the column out of sight
    SendMessageA(rows_.window, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&header));
  }
  std::array<PushButton, 7> buttons{};
  for (std::size_t i = 0; i < 3; ++i) buttons[i] = AddButton({196, 12 + 17 * static_cast<LONG>(i), 60, 14});
  const struct {
    const char* name;
    Glyph glyph;
    RECT units;
  } arrows[] = {
      {"Move up", Glyph::ArrowUp, {216, 70, 18, 16}},
      {"Move down", Glyph::ArrowDown, {216, 106, 18, 16}},
      {"Make top-level button", Glyph::ArrowLeft, {197, 88, 18, 16}},
      {"Make sub-entry", Glyph::ArrowRight, {235, 88, 18, 16}},
  };
  for (std::size_t i = 0; i < 4; ++i) buttons[3 + i] = AddPictureButton(arrows[i].name, arrows[i].glyph, arrows[i].units);
  controls_.BindAll(form_.ToolbarPageControls(), heading, rows_, buttons);
  // The form's selected row is the row the user selected, by mouse or keys.
  OnNotify(rows_.window, LVN_ITEMCHANGED, [this](const NMHDR& header) {
    const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
    if (drawing_rows_ || (change.uChanged & LVIF_STATE) == 0) return;
    const bool now = (change.uNewState & LVIS_SELECTED) != 0, before = (change.uOldState & LVIS_SELECTED) != 0;
    if (now == before) return;
    form_.lstButtons.selected = now ? change.iItem : -1;
    if (now) form_.lstButtons_ItemClick(change.iItem);
  });
  OnNotify(rows_.window, NM_DBLCLK, [this](const NMHDR&) { form_.lstButtons_DblClick(); });
  for (std::size_t i = 0; i < buttons.size(); ++i)
    On(buttons[i].window, BN_CLICKED, [this, i] { form_.cmdButtonOp_Click(static_cast<int>(i)); });
}

void OptionsDialogWindow::BuildOtherPage(HWND page) {
  PlaceInto(page);
  const GroupBox engine_frame = AddFrame({0, 0, 256, 34});
  const StaticText engine_label = AddLabel("", {8, 15, 80, 9});
  const ComboBox engine = AddComboBox({90, 13, 158, 14}, false);
  const GroupBox presentation = AddFrame({0, 40, 256, 20 + 14 * static_cast<LONG>(kSwitchCount)});
  std::array<CheckButton, kSwitchCount> boxes{};
  for (std::size_t i = 0; i < boxes.size(); ++i) boxes[i] = AddCheckBox({8, 54 + 14 * static_cast<LONG>(i), 240, 12});
  controls_.BindAll(form_.OtherPageControls(), engine_frame, engine_label, engine, presentation, boxes);
  On(engine.window, CBN_SELCHANGE, [this, engine] {
    form_.cmbBrowserType.list_index = static_cast<int>(SendMessageA(engine.window, CB_GETCURSEL, 0, 0));
  });
  for (std::size_t i = 0; i < boxes.size(); ++i)
    On(boxes[i].window, BN_CLICKED, [this, i, box = boxes[i]] {
      form_.cbSwitch[i].value = SendMessageA(box.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    });
}

void OptionsDialogWindow::Render() {
  const int selected = form_.tbsOptions.selected;
  if (SendMessageA(tabs_, TCM_GETCURSEL, 0, 0) != selected) SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const forms::Page& page = form_.picOptions[i];
    if (page.visible) SetHelpTopic(forms::kOptionsPageTopics[i]);
    ShowWindow(pages_[i], page.visible ? SW_SHOWNA : SW_HIDE);
    EnableWindow(pages_[i], page.enabled ? TRUE : FALSE);
    // The dialog manager looks for Tab stops and access keys only inside pages marked as holding
    // controls: a hidden page must not answer them.
    const LONG_PTR extended = GetWindowLongPtrA(pages_[i], GWL_EXSTYLE);
    const LONG_PTR wanted = page.visible ? extended | WS_EX_CONTROLPARENT : extended & ~LONG_PTR{WS_EX_CONTROLPARENT};
    if (wanted != extended) SetWindowLongPtrA(pages_[i], GWL_EXSTYLE, wanted);
  }
  // A control on a page that was just hidden keeps the focus unless it is moved: to the tab strip,
  // as after a click on a tab.
  const HWND focused = GetFocus();
  if (focused != nullptr && IsChild(window(), focused) && !IsWindowVisible(focused))
    SendMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs_), TRUE);
  RenderRows();
}

void OptionsDialogWindow::RenderRows() {
  drawing_rows_ = true;
  const HWND list = rows_.window;
  const auto& rows = form_.lstButtons.rows;
  const auto count = static_cast<int>(rows.size());
  while (SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) > count)
    SendMessageA(list, LVM_DELETEITEM, static_cast<WPARAM>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0) - 1), 0);
  for (int i = 0; i < count; ++i) {
    if (i >= SendMessageA(list, LVM_GETITEMCOUNT, 0, 0)) {
      LVITEMA item{};
      item.mask = LVIF_TEXT;
      item.iItem = i;
      item.pszText = const_cast<char*>("");
      SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
    const ToolbarEntry& row = rows[static_cast<std::size_t>(i)];
    SetRowText(list, i, 0, row.caption);
    SetRowText(list, i, 1, row.url);
    SetRowText(list, i, 2, row.image);
    const UINT wanted = i == form_.lstButtons.selected ? LVIS_SELECTED : 0;
    if ((SendMessageA(list, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED) & LVIS_SELECTED) != wanted) {
      LVITEMA state{};
      state.stateMask = LVIS_SELECTED | (wanted != 0 ? LVIS_FOCUSED : 0);
      state.state = wanted != 0 ? LVIS_SELECTED | LVIS_FOCUSED : 0;
      SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&state));
    }
  }
  int& visible = form_.lstButtons.ensure_visible;
  if (visible >= 0 && visible < count) SendMessageA(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(visible), FALSE);
  visible = -1;
  drawing_rows_ = false;
}

void OptionsDialogWindow::OnCancel() { form_.Form_QueryUnload(); }

bool OptionsDialogWindow::OnKeyDown(const MSG& message) {
  if (message.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0) return false;
  const int before = form_.tbsOptions.selected;
  const int shift = frmOrvexOptions::kCtrlShift | (GetKeyState(VK_SHIFT) < 0 ? 1 : 0);
  dispatch_([this, shift] { form_.Form_KeyDown(frmOrvexOptions::kTabKey, shift); });
  return form_.tbsOptions.selected != before;
}

// F1 over an entry dialog asks for help as over this one: the page of the dialog in front.
void OptionsDialogWindow::RunEntryDialog(DialogWindow& window, const char* help_topic) {
  window.SetHelpTopic(help_topic);
  window.OnHelpKey([this] { form_.cmdHelp_Click(); });
  nested_ = &window;
  window.RunModal();
  nested_ = nullptr;
}

void OptionsDialogWindow::ShowModal(dlgButton& dialog) {
  ButtonDialogWindow window(dialog);
  RunEntryDialog(window, forms::kButtonDialogTopic);
}

void OptionsDialogWindow::ShowModal(dlgDomain& dialog) {
  DomainDialogWindow window(dialog);
  RunEntryDialog(window, forms::kDomainDialogTopic);
}

bool OptionsDialogWindow::SetFocus(const forms::Control& control) {
  if (nested_ != nullptr && nested_->window() != nullptr && nested_->SetFocus(control)) return true;
  return DialogWindow::SetFocus(control);
}

}  // namespace kgh::native
