// A form's design made into native windows: each control gets the window of its kind, placed in
// dialog units from its twips, bound for drawing, and wired to the form's handlers. Windows are
// made in the design's order, which is their tab order.
#include "win32/DialogWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "win32/ProgramPictures.h"

namespace kgh::native {
namespace {

using forms::Overloaded;

// Runs a control's handler, if the form gave it one, after `change` copied in what the user did.
template <typename Change>
std::function<void()> Then(Change change, std::function<void()> handler) {
  return [change, handler = std::move(handler)] {
    change();
    if (handler) handler();
  };
}

// A font size in points as a height in pixels at the screen's resolution.
int PointsToPixels(double points) {
  const HDC screen = GetDC(nullptr);
  const int dots = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<int>(points * dots / 72.0 + 0.5);
}

}  // namespace

void DialogWindow::BuildDesign(const forms::Design& design, HMODULE pictures) {
  std::vector<HWND> windows;
  for (std::size_t i = 0; i < design.size(); ++i) {
    const forms::ControlDesign& item = design[i];
    const HWND window = AddControlOf(item, pictures);
    windows.push_back(window);
    if (item.heading) AddRuleAfter(window, std::get<forms::Label*>(item.control)->caption);
    // A button that shows a picture has the text of the label before it, hidden by the picture,
    // so that assistive technology names it; the label's access key reaches it as the next
    // control in tab order.
    if (i > 0 && forms::NamesNext(design[i - 1], item) && std::holds_alternative<forms::CommandButton*>(item.control))
      controls_.AfterDrawing(
          [window, label = std::get<forms::Label*>(design[i - 1].control)] { DrawText(window, label->caption); });
  }
  if (std::none_of(design.begin(), design.end(), [](const forms::ControlDesign& item) { return item.grows; })) return;
  std::vector<TwipsRect> placed;
  for (const forms::ControlDesign& item : design) placed.push_back(item.place);
  controls_.AfterDrawing([this, design, windows, placed]() mutable { Reflow(design, windows, placed); });
}

// Texts change as the form runs: each drawing gives the growing labels the height their texts
// now need, and moves what lies below them.
void DialogWindow::Reflow(const forms::Design& design, const std::vector<HWND>& windows,
                          std::vector<TwipsRect>& placed) const {
  // Twips down to pixels and back, at the dialog's units.
  constexpr int kSpan = 14400;
  const LONG span_pixels = std::max(LONG{1}, InPixels(Twips(0, 0, 0, kSpan)).bottom);
  const auto needed = [&](std::size_t i, int width) {
    const HWND label = windows[i];
    const std::string text = WindowText(label);
    RECT area{0, 0, InPixels(Twips(0, 0, width, 0)).right, 0};
    const HDC canvas = GetDC(label);
    const HGDIOBJ previous = SelectObject(canvas, reinterpret_cast<HGDIOBJ>(SendMessageA(label, WM_GETFONT, 0, 0)));
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &area, DT_CALCRECT | DT_WORDBREAK);
    SelectObject(canvas, previous);
    ReleaseDC(label, canvas);
    // A pixel more than measured, so that rounding on the way back to pixels cannot cut a line.
    return static_cast<int>(((area.bottom + 1) * kSpan + span_pixels - 1) / span_pixels);
  };
  const std::vector<TwipsRect> places = forms::Reflowed(design, needed);
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (places[i] == placed[i]) continue;
    placed[i] = places[i];
    const RECT pixels = InPixels(Twips(places[i]));
    SetWindowPos(windows[i], nullptr, pixels.left, pixels.top, pixels.right - pixels.left, pixels.bottom - pixels.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void DialogWindow::ShowPicture(HWND control, UINT message, HMODULE pictures, const char* name, int margin) {
  RECT area{};
  GetClientRect(control, &area);
  const HBITMAP bitmap = LoadProgramPicture(pictures, name, area.right - margin, area.bottom - margin);
  if (bitmap == nullptr) return;
  bitmaps_.push_back(bitmap);
  SendMessageA(control, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void DialogWindow::SetFont(HWND label, const forms::Font& font) {
  fonts_.push_back(CreateFontA(-PointsToPixels(font.points), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, 0, 0, 0,
                               DEFAULT_CHARSET, 0, 0, 0, 0, font.face));
  SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.back()), FALSE);
}

HWND DialogWindow::AddControlOf(const forms::ControlDesign& item, HMODULE pictures) {
  const RECT units = Twips(item.place);
  const forms::Events& on = item.on;
  return std::visit(
      Overloaded{
          [&](forms::Label* label) {
            // A label given one line keeps its words on it: the system's font may be wider than
            // the one the form was designed with.
            const DWORD wrap = item.grows || item.place.height > forms::kOneLine ? SS_LEFT : SS_LEFTNOWORDWRAP;
            const StaticText text{Add("STATIC", label->caption, wrap, units)};
            if (*item.font.face != '\0') SetFont(text.window, item.font);
            controls_.BindOne(*label, text);
            return text.window;
          },
          [&](forms::Line* line) {
            const AnyWindow rule{Add("STATIC", "", SS_ETCHEDHORZ, units)};
            controls_.BindOne(*line, rule);
            return rule.window;
          },
          [&](forms::Image* image) {
            const AnyWindow picture{Add("STATIC", "", SS_BITMAP | SS_CENTERIMAGE, units)};
            ShowPicture(picture.window, STM_SETIMAGE, pictures, item.bitmap, 0);
            controls_.BindOne(*image, picture);
            return picture.window;
          },
          [&](forms::Frame* frame) {
            const GroupBox box = AddFrame(units);
            controls_.BindOne(*frame, box);
            return box.window;
          },
          [&](forms::CommandButton* button) {
            PushButton pushed{};
            if (*item.bitmap != '\0') {
              // A margin around the picture keeps the button's edge and focus mark in sight.
              pushed = {Add("BUTTON", item.accessible_name, WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, units)};
              ShowPicture(pushed.window, BM_SETIMAGE, pictures, item.bitmap, 8);
            } else if (item.picture != forms::Picture::None) {
              pushed = AddPictureButton(item.accessible_name, item.picture, units);
            } else {
              pushed = AddButton(units, item.is_default);
            }
            controls_.BindOne(*button, pushed);
            On(pushed.window, BN_CLICKED, Then([] {}, on.click));
            return pushed.window;
          },
          [&](forms::CheckBox* box) {
            const CheckButton check = AddCheckBox(units);
            controls_.BindOne(*box, check);
            On(check.window, BN_CLICKED, Then([box, check] {
                 box->value = SendMessageA(check.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
               }, on.click));
            return check.window;
          },
          [&](forms::TextBox* box) {
            const EditBox edit = AddEditBox(units);
            controls_.BindOne(*box, edit);
            On(edit.window, EN_CHANGE, [box, edit] { box->text = WindowText(edit.window); });
            if (on.got_focus)
              On(edit.window, EN_SETFOCUS, [box, edit, handler = on.got_focus] {
                handler();
                SelectInEdit(edit.window, EM_SETSEL, *box);
              });
            return edit.window;
          },
          [&](forms::ComboBox* combo) {
            const ComboBox list = AddComboBox(units, combo->editable);
            controls_.BindOne(*combo, list);
            // A preset chosen from an editable combo's list becomes its text; otherwise the text
            // changes only as the user types, and is kept as typed.
            On(list.window, CBN_SELCHANGE, Then([combo, list] {
                 const auto index = static_cast<int>(SendMessageA(list.window, CB_GETCURSEL, 0, 0));
                 combo->list_index = index;
                 if (combo->editable && index >= 0 && static_cast<std::size_t>(index) < combo->items.size())
                   combo->text = combo->items[static_cast<std::size_t>(index)].text;
               }, on.click));
            if (combo->editable)
              On(list.window, CBN_EDITCHANGE, [combo, list] { combo->text = WindowText(list.window); });
            if (on.got_focus)
              On(list.window, CBN_SETFOCUS, [combo, list, handler = on.got_focus] {
                handler();
                SelectInEdit(list.window, CB_SETEDITSEL, *combo);
              });
            return list.window;
          },
          [&](forms::ListBox* entries) {
            const ListBox list = AddListBox(units);
            controls_.BindOne(*entries, list);
            On(list.window, LBN_SELCHANGE, Then([entries, list] {
                 entries->list_index = static_cast<int>(SendMessageA(list.window, LB_GETCURSEL, 0, 0));
               }, on.click));
            On(list.window, LBN_DBLCLK, Then([] {}, on.dbl_click));
            return list.window;
          },
          [&](forms::ListViewBase* rows) {
            const ReportView view = AddReportView(*rows, units);
            controls_.BindOne(*rows, view);
            // The form's selected row is the row the user selected, by mouse or keys.
            OnNotify(view.window, LVN_ITEMCHANGED, [rows, handler = on.click](const NMHDR& header) {
              const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
              if ((change.uChanged & LVIF_STATE) == 0) return;
              const bool now = (change.uNewState & LVIS_SELECTED) != 0;
              const bool before = (change.uOldState & LVIS_SELECTED) != 0;
              if (now == before) return;
              rows->selected = now ? change.iItem : -1;
              if (handler) handler();
            });
            OnNotify(view.window, NM_DBLCLK, [handler = on.dbl_click](const NMHDR&) {
              if (handler) handler();
            });
            return view.window;
          },
      },
      item.control);
}

ReportView DialogWindow::AddReportView(const forms::ListViewBase& rows, RECT units) {
  const ReportView view{
      Add(WC_LISTVIEWA, "", WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, units, WS_EX_CLIENTEDGE)};
  SendMessageA(view.window, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  for (std::size_t i = 0; i < rows.columns.size(); ++i) {
    const forms::ListViewColumn& column = rows.columns[i];
    LVCOLUMNA header{};
    header.mask = LVCF_TEXT | LVCF_WIDTH;
    header.pszText = const_cast<char*>(column.header.c_str());
    header.cx = InPixels(Twips(0, 0, column.width, 0)).right;  // 0 keeps the column out of sight
    SendMessageA(view.window, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&header));
  }
  return view;
}

// An etched line from the end of a heading's text to the right edge of its place; the heading
// keeps only the room its text needs, so that the two lie side by side.
void DialogWindow::AddRuleAfter(HWND heading, const std::string& caption) {
  RECT place{};
  GetWindowRect(heading, &place);
  MapWindowPoints(nullptr, GetParent(heading), reinterpret_cast<POINT*>(&place), 2);
  const std::string text = forms::WithoutAccessKey(caption);
  SIZE extent{};
  const HDC canvas = GetDC(heading);
  const HGDIOBJ previous = SelectObject(canvas, font_);
  GetTextExtentPoint32A(canvas, text.c_str(), static_cast<int>(text.size()), &extent);
  SelectObject(canvas, previous);
  ReleaseDC(heading, canvas);
  SetWindowPos(heading, nullptr, 0, 0, extent.cx + 2, place.bottom - place.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const LONG left = place.left + extent.cx + 6;
  const LONG middle = place.top + extent.cy / 2;  // of the text's line
  const RECT rule{left, middle, std::max(left, place.right), middle + 2};
  CreateControl("STATIC", "", SS_ETCHEDHORZ, rule, GetParent(heading), 0);
}

}  // namespace kgh::native
