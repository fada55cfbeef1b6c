#pragma once
// What an acceptance scenario may do to a front-end, and what it may read back: a user's actions
// on controls named as the user sees them (their caption, or the name assistive technology reads
// for them), and the state as assistive technology reads it. No toolkit type appears here, so the
// same scenarios run on every front-end; each front-end has a driver that implements this.
//
// The dialogs run on the front-end's own thread, as a host's call shows them; the scenario runs
// on another and waits for every action to be taken in before it reads anything.
#include <functional>
#include <string>
#include <vector>

namespace kgh {
class SetupOrvex;
}

namespace kgh::acceptance {

// A rectangle in screen pixels; right and bottom lie just outside it.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool Contains(const Box& inner) const {
    return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
  }
  bool Overlaps(const Box& other) const {
    return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
  }
  int CentreX() const { return (left + right) / 2; }
  int CentreY() const { return (top + bottom) / 2; }
};

// A control as assistive technology reads it. Names drop access-key marks ("&Add..." reads
// "Add..."); a text box is named by its label.
struct ControlState {
  bool visible = false;
  bool enabled = false;
  bool checked = false;
  std::string value;  // a text box's or combo box's text
};

// A list or a list view: the text of each row's first column, and the rows selected.
struct ListState {
  std::vector<std::string> rows;
  std::vector<int> selected;
};

struct TabsState {
  std::vector<std::string> captions;
  std::vector<std::string> tool_tips;
  int selected = -1;
};

// Where the options dialog's parts lie, for the layout rules.
struct DialogLayout {
  Box tab_display;  // the area of the tab strip that its pages are meant to fill
  std::vector<Box> pages;
  std::vector<std::vector<std::pair<std::string, Box>>> page_controls;  // per page: each shown control
  std::vector<std::pair<std::string, Box>> push_buttons;                // OK, Cancel, Help
};

class Driver {
 public:
  virtual ~Driver() = default;

  // Runs `scenario` on a thread of its own while this thread serves the front-end, and returns
  // when it has ended. A host's call it left open is then ended, and fails the scenario.
  virtual void Run(const std::function<void()>& scenario) = 0;

  // Makes a host's call on the front-end's thread, on a SetupOrvex with the front-end's own
  // services, and returns at once; the call's dialogs are then the user's.
  virtual void StartHostCall(std::function<void(SetupOrvex&)> call) = 0;
  // Waits for the host's call to return; false when it has not within a while.
  virtual bool WaitForHostCall() = 0;
  // The folder where the component looks for its help, as the call's SetupOrvex is told.
  virtual void SetComponentFolder(const std::string& folder) = 0;

  // Windows of this program: the titles of those shown, and of the one with the keyboard.
  // WaitForWindow waits until a window of that title has the keyboard.
  virtual std::vector<std::string> ShownWindows() = 0;
  virtual std::string ActiveWindow() = 0;
  virtual bool WaitForWindow(const std::string& title) = 0;
  virtual Box WindowBox(const std::string& title) = 0;
  // Moves the window in front by that many pixels, as dragging its title bar does.
  virtual void DragWindow(int right, int down) = 0;

  // The user's actions, in the window with the keyboard. Keys are written "Enter", "Esc", "Tab",
  // "Shift+Tab", "Ctrl+Tab", "Alt+A", "F1", "Down", "Space", "Home"; Type types text.
  virtual void Press(const std::string& keys) = 0;
  virtual void Type(const std::string& text) = 0;
  // A mouse click on the button or check box of that name, on a tab, on a row of a list.
  virtual void Click(const std::string& name) = 0;
  virtual void ClickTab(const std::string& caption) = 0;
  virtual void ClickRow(const std::string& list, int row) = 0;

  // State, in the window with the keyboard.
  virtual ControlState Control(const std::string& name) = 0;
  virtual ListState List(const std::string& name) = 0;
  virtual TabsState Tabs() = 0;
  virtual std::string FocusedControl() = 0;
  // A message box's text, when the window with the keyboard is one.
  virtual std::string MessageText() = 0;
  virtual DialogLayout OptionsLayout() = 0;
  // How many colours the middle half of the control of that name shows on screen: where a
  // button's picture is, inside its border. A picture is more than one.
  virtual int ColoursShown(const std::string& name) = 0;

  // The help pages opened so far, by file name ("options-general.html").
  virtual std::vector<std::string> HelpPagesOpened() = 0;

  // Saves a picture of the window with the keyboard as `name`.png in the folder named by
  // KGH_PICTURES, when that is set.
  virtual void Picture(const std::string& name) = 0;
};

// The driver of the front-end this program was built with.
Driver& TheDriver();

}  // namespace kgh::acceptance
