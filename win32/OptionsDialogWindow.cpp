#include "win32/OptionsDialogWindow.h"

#include <commctrl.h>

#include <iterator>

#include "forms/HelpPages.h"
#include "options/OptionsDesign.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "win32/EntryDialogWindow.h"

namespace kgh::native {
namespace {

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
    : DialogWindow(form.Caption, {0, 0, options_layout::kClientWidth, options_layout::kClientHeight}), form_(form) {
  form_.SetDialogHost(this);
  form_.on_closed = [this] { EndModal(); };
}

OptionsDialogWindow::~OptionsDialogWindow() {
  form_.SetDialogHost(nullptr);
  form_.on_closed = nullptr;
}

void OptionsDialogWindow::Build() {
  tabs_ = Add(WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS | TCS_TOOLTIPS, Twips(options_layout::kTabStrip));
  for (std::size_t i = 0; i < form_.tbsOptions.tabs.size(); ++i) {
    TCITEMA tab{};
    tab.mask = TCIF_TEXT;
    tab.pszText = const_cast<char*>(form_.tbsOptions.tabs[i].caption.c_str());
    SendMessageA(tabs_, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&tab));
  }
  SetTabTips(tabs_, form_.tbsOptions.tabs);
  OnNotify(tabs_, TCN_SELCHANGE, [this](const NMHDR&) {
    form_.tbsOptions.selected = static_cast<int>(SendMessageA(tabs_, TCM_GETCURSEL, 0, 0));
    form_.tbsOptions_Click();
  });
  // The pages fill the strip's display area exactly: its border and the buttons below stay clear.
  const RECT page_area = DisplayArea(tabs_);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = AddPageAt(page_area);
    PlaceInto(pages_[i]);
    BuildDesign(form_.PageDesign(static_cast<DialogPage>(i)));
  }
  rows_ = controls_.Find(form_.lstButtons);
  PlaceInto(nullptr);
  BuildDesign(form_.FrameDesign());
  OnHelpKey([this] { form_.cmdHelp_Click(); });
  // The tab strip paints its whole face: the pages must lie above it. This also makes it the
  // last stop of Tab; Ctrl+Tab switches pages from anywhere.
  SetWindowPos(tabs_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  // The dialog opens with the keyboard on the tab strip, so that Enter means OK, not a button of
  // the first page; posted, so that it comes after the dialog manager has placed the focus.
  PostMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(tabs_), TRUE);
}

void OptionsDialogWindow::Render() {
  const int selected = form_.tbsOptions.selected;
  if (SendMessageA(tabs_, TCM_GETCURSEL, 0, 0) != selected) SendMessageA(tabs_, TCM_SETCURSEL, static_cast<WPARAM>(selected), 0);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const forms::Page& page = form_.picOptions[i];
    if (page.visible) SetHelpTopic(options_layout::kPages[i].help_topic);
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
  const HWND list = rows_;
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
  EntryDialogWindow window(dialog);
  RunEntryDialog(window, dlgButton::kHelpTopic);
}

void OptionsDialogWindow::ShowModal(dlgDomain& dialog) {
  EntryDialogWindow window(dialog);
  RunEntryDialog(window, dlgDomain::kHelpTopic);
}

bool OptionsDialogWindow::SetFocus(const forms::Control& control) {
  if (nested_ != nullptr && nested_->window() != nullptr && nested_->SetFocus(control)) return true;
  return DialogWindow::SetFocus(control);
}

}  // namespace kgh::native
