#pragma once
// A modal dialog window built in code: the system's dialog manager (Tab, Enter on the default
// button, Esc, access keys), controls placed in dialog units, and the road from a control's
// notification to the form's handler and back to a redraw. Each form's view derives from it.
#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "forms/Design.h"
#include "forms/Dispatcher.h"
#include "win32/NativeWidgets.h"

namespace kgh::native {

// The pictures of picture buttons.
using Glyph = forms::Picture;

class DialogWindow {
 public:
  // `caption` is the form's own, which its handlers may change: the title follows it.
  DialogWindow(const std::string& caption, int width_units, int height_units);
  // The same with the client area's size as designed, in twips.
  DialogWindow(const std::string& caption, const TwipsRect& client)
      : DialogWindow(caption, Twips(client).right, Twips(client).bottom) {}
  virtual ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // Shows the dialog centred over its owner and returns once EndModal was called. The window of
  // the calling thread that is active when it opens is its owner, disabled meanwhile.
  void RunModal();
  // Hides the dialog at once and gives the owner back its input; RunModal returns when the
  // handler that called this has.
  void EndModal();
  HWND window() const { return window_; }

  // What F1 does in this dialog; nothing when not set.
  void OnHelpKey(std::function<void()> handler) { help_key_ = std::move(handler); }
  // The help page that belongs to this dialog (a file name without ".html").
  void SetHelpTopic(const char* page);

  // The input focus to `control`'s window; false when it has none, or it is hidden or disabled.
  bool SetFocus(const forms::Control& control);

 protected:
  // Makes the controls; runs once, when the window exists.
  virtual void Build() = 0;
  // What the view draws beyond its bound controls.
  virtual void Render() {}
  // Esc and the window frame.
  virtual void OnCancel() = 0;
  // Sees a key before the focused control does; true when the form took it.
  virtual bool OnKeyDown(const MSG&) { return false; }

  // A page: a child window that holds controls and passes their notifications to the dialog;
  // Tab moves into it. Controls made after PlaceInto(page) go onto it, placed relative to it.
  HWND AddPage(RECT units);
  // A page placed in pixels of the dialog's client area.
  HWND AddPageAt(RECT pixels);
  void PlaceInto(HWND container) { container_ = container; }

  // Makes, places (in the current container) and wires the windows of a form's design. The
  // pictures it names come from the resources of `pictures`.
  void BuildDesign(const forms::Design& design, HMODULE pictures = nullptr);

  // A rectangle given in twips, as forms are designed, in dialog units.
  static RECT Twips(int left, int top, int width, int height);
  static RECT Twips(const TwipsRect& rect) { return Twips(rect.left, rect.top, rect.width, rect.height); }

  // Controls, placed in dialog units. A label's "&" gives the next control in tab order its
  // access key. `style` adds to WS_CHILD | WS_VISIBLE.
  HWND Add(const char* window_class, const std::string& text, DWORD style, RECT units, DWORD extended = 0);
  StaticText AddLabel(const std::string& text, RECT units);
  GroupBox AddFrame(RECT units);
  PushButton AddButton(RECT units, bool default_button = false);
  // A button with a picture instead of a caption; `accessible_name` stays its window text, which
  // the picture hides, so that assistive technology still names it. The picture is greyed, not
  // blotted out, while the button is disabled.
  PushButton AddPictureButton(const char* accessible_name, Glyph glyph, RECT units);
  CheckButton AddCheckBox(RECT units);
  EditBox AddEditBox(RECT units);
  ComboBox AddComboBox(RECT units, bool editable);
  ListBox AddListBox(RECT units);
  // A list view in report form with the columns of `rows`; the rows are the caller's to draw.
  ReportView AddReportView(const forms::ListViewBase& rows, RECT units);

  // Handlers by control and notification code (BN_CLICKED, EN_CHANGE, ...).
  void On(HWND control, WORD code, std::function<void()> handler);
  // Handlers of list views and tab strips, by notification code (NM_CLICK, TCN_SELCHANGE, ...).
  void OnNotify(HWND control, UINT code, std::function<void(const NMHDR&)> handler);

  forms::Dispatcher dispatch_;
  NativeControls controls_;

 private:
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  INT_PTR Handle(UINT message, WPARAM wparam, LPARAM lparam);
  void Redraw();
  void CentreOverOwner();
  RECT InPixels(RECT units) const;
  HWND CreateControl(const char* window_class, const std::string& text, DWORD style, RECT pixels, HWND parent,
                     DWORD extended);
  HWND AddControlOf(const forms::ControlDesign& item, HMODULE pictures);
  void ShowPicture(HWND control, UINT message, HMODULE pictures, const char* name, int margin);
  void SetFont(HWND label, const forms::Font& font);
  // Places the windows of `design` again once its growing labels have the height their texts
  // need; `placed` holds where each is now, in twips.
  void Reflow(const forms::Design& design, const std::vector<HWND>& windows, std::vector<TwipsRect>& placed) const;
  void AddRuleAfter(HWND heading, const std::string& caption);

  const std::string& caption_;
  int width_units_;
  int height_units_;
  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  std::function<void()> help_key_;
  const char* help_topic_ = nullptr;
  HWND container_ = nullptr;  // where Add puts controls; the dialog itself when null
  HFONT font_ = nullptr;
  bool running_ = false;
  int next_id_ = 100;
  std::map<std::pair<int, WORD>, std::function<void()>> commands_;
  std::map<std::pair<HWND, UINT>, std::function<void(const NMHDR&)>> notifications_;
  std::vector<HICON> pictures_;  // of the picture buttons, destroyed with the window
  std::vector<HBITMAP> bitmaps_;  // of images and the buttons that show them, likewise
  std::vector<HFONT> fonts_;      // of titles, likewise
};

}  // namespace kgh::native
