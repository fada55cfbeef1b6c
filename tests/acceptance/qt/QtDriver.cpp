// The scenarios' driver for the Qt front-end: real key and mouse events through Qt's window
// system interface, so shortcuts, default buttons and focus behave as for a user, and state
// read through Qt's accessibility interfaces, as assistive technology reads it.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QSet>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <QUrl>

#include <algorithm>
#include <atomic>
#include <future>
#include <thread>

#include "acceptance/Scenario.h"
#include "component/SetupOrvex.h"
#include "qt/QtApplicationGuard.h"
#include "qt/QtServices.h"
#include "qt/QtText.h"

namespace kgh::acceptance {
namespace {

using qt::FromQ;
using qt::ToQ;

// The name assistive technology reads, without access-key marks, as both front-ends compare.
std::string Plain(const QString& text) {
  QString plain;
  for (int i = 0; i < text.size(); ++i) {
    if (text[i] == u'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return FromQ(plain);
}

// A control's name as assistive technology reads it: on Linux a drop-down list's own name is its
// value, and the label it is labelled by names it.
std::string NameOf(QAccessibleInterface* control) {
  if (control->role() == QAccessible::ComboBox) {
    const auto labels = control->relations(QAccessible::Label);
    if (!labels.isEmpty()) return Plain(labels.first().first->text(QAccessible::Name));
  }
  return Plain(control->text(QAccessible::Name));
}

Box ScreenBox(const QWidget* widget) {
  const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
  return {origin.x(), origin.y(), origin.x() + widget->width(), origin.y() + widget->height()};
}

// The key and modifiers of "Ctrl+Shift+Tab" and the like.
std::pair<Qt::Key, Qt::KeyboardModifiers> ParseKeys(const std::string& keys) {
  Qt::KeyboardModifiers modifiers;
  std::string rest = keys;
  for (const auto& [prefix, modifier] : {std::pair{"Ctrl+", Qt::ControlModifier}, {"Shift+", Qt::ShiftModifier},
                                          {"Alt+", Qt::AltModifier}}) {
    for (std::size_t at; (at = rest.find(prefix)) != std::string::npos;) {
      rest.erase(at, std::string(prefix).size());
      modifiers |= modifier;
    }
  }
  static const std::map<std::string, Qt::Key> named = {
      {"Enter", Qt::Key_Return}, {"Esc", Qt::Key_Escape}, {"Tab", Qt::Key_Tab},   {"Down", Qt::Key_Down},
      {"Up", Qt::Key_Up},        {"Space", Qt::Key_Space}, {"Home", Qt::Key_Home}, {"F1", Qt::Key_F1}};
  if (const auto found = named.find(rest); found != named.end()) {
    if (found->second == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)) return {Qt::Key_Backtab, modifiers};
    return {found->second, modifiers};
  }
  return {static_cast<Qt::Key>(QChar(rest[0]).toUpper().unicode()), modifiers};
}

class QtDriver final : public Driver {
 public:
  QtDriver() { qt::EnsureApplication(); }


  void Run(const std::function<void()>& scenario) override {
    help_opened_.clear();
    QEventLoop loop;
    std::thread runner([&] {
      scenario();
      // A dialog the scenario left open is closed, so that the next one starts afresh.
      EXPECT_FALSE(call_running_) << "the scenario left the host's call running";
      for (int tries = 0; call_running_ && tries < 100; ++tries) {
        QMetaObject::invokeMethod(qApp, [] {
          if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
      }
      QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
    });
    loop.exec();
    runner.join();
  }

  void StartHostCall(std::function<void(SetupOrvex&)> call) override {
    call_running_ = true;
    QMetaObject::invokeMethod(
        qApp,
        [this, call = std::move(call)] {
          qt::QtServices services(component_folder_,
                                  qt::QtHelp([this](const QUrl& url) { help_opened_.push_back(FromQ(url.fileName())); },
                                             {QStringLiteral(KGH_HELP_PAGES)}));
          SetupOrvex component(services.Component());
          call(component);
          call_running_ = false;
        },
        Qt::QueuedConnection);
    Settle();
  }

  bool WaitForHostCall() override { return Eventually([this] { return !call_running_; }); }
  void SetComponentFolder(const std::string& folder) override { component_folder_ = folder; }

  std::vector<std::string> ShownWindows() override {
    return OnUi([] {
      std::vector<std::string> titles;
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->isWindow()) titles.push_back(FromQ(window->windowTitle()));
      return titles;
    });
  }

  std::string ActiveWindow() override {
    return OnUi([] {
      QWidget* window = InFront();
      return window == nullptr ? std::string() : FromQ(window->windowTitle());
    });
  }

  bool WaitForWindow(const std::string& title) override {
    return Eventually([&] { return ActiveWindow() == title; });
  }

  Box WindowBox(const std::string& title) override {
    return OnUi([&] {
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && FromQ(window->windowTitle()) == title) return Box{
            window->frameGeometry().left(), window->frameGeometry().top(), window->frameGeometry().right() + 1,
            window->frameGeometry().bottom() + 1};
      return Box{};
    });
  }

  void DragWindow(int right, int down) override {
    Act([right, down] {
      if (QWidget* window = InFront()) window->move(window->pos() + QPoint(right, down));
    });
  }

  void Press(const std::string& keys) override {
    const auto [key, modifiers] = ParseKeys(keys);
    Act([key, modifiers] {
      if (QWindow* window = KeyboardWindow()) QTest::keyClick(window, key, modifiers);
    });
    // A button's access key presses it as a click shown on screen, which ends a moment later.
    if (modifiers & Qt::AltModifier) {
      std::this_thread::sleep_for(std::chrono::milliseconds(150));
      Settle();
    }
  }

  void Type(const std::string& text) override {
    Act([text = ToQ(text)] {
      QWidget* focus = QApplication::focusWidget();
      if (focus == nullptr) return;
      for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(letter));
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(focus, &press);
        QApplication::sendEvent(focus, &release);
      }
    });
  }

  void Click(const std::string& name) override {
    Act([this, name] {
      QWidget* widget = Find(name);
      if (widget == nullptr) return;
      // A check box reacts to its box and text only; it may be stretched across its frame.
      const QPoint at = qobject_cast<QCheckBox*>(widget) != nullptr ? QPoint(8, widget->height() / 2)
                                                                     : widget->rect().center();
      ClickAt(widget, at);
    });
  }

  void ClickTab(const std::string& caption) override {
    Act([caption] {
      QWidget* window = InFront();
      auto* tabs = window == nullptr ? nullptr : window->findChild<QTabBar*>();
      if (tabs == nullptr) return ADD_FAILURE() << "no tab strip";
      for (int i = 0; i < tabs->count(); ++i)
        if (Plain(tabs->tabText(i)) == caption) return ClickAt(tabs, tabs->tabRect(i).center());
      ADD_FAILURE() << "no tab \"" << caption << "\"";
    });
  }

  void ClickRow(const std::string& list, int row) override {
    Act([this, list, row] {
      auto* view = qobject_cast<QAbstractItemView*>(Find(list));
      if (view == nullptr) return ADD_FAILURE() << "no list \"" << list << "\"";
      const QRect cell = view->visualRect(view->model()->index(row, 0));
      ClickAt(view->viewport(), cell.center());
    });
  }

  ControlState Control(const std::string& name) override {
    return OnUi([&] {
      ControlState state;
      QAccessibleInterface* control = FindAccessible(name);
      if (control == nullptr) return state;
      state.visible = !control->state().invisible;
      state.enabled = !control->state().disabled;
      state.checked = control->state().checked;
      state.value = FromQ(control->text(QAccessible::Value));
      return state;
    });
  }

  ListState List(const std::string& name) override {
    return OnUi([&] {
      ListState state;
      QAccessibleInterface* list = FindAccessible(name);
      QAccessibleTableInterface* table = list == nullptr ? nullptr : list->tableInterface();
      if (table == nullptr) {
        ADD_FAILURE() << "no list \"" << name << "\"";
        return state;
      }
      for (int row = 0; row < table->rowCount(); ++row)
        state.rows.push_back(FromQ(table->cellAt(row, 0)->text(QAccessible::Name)));
      const QList<int> selected = table->selectedRows();
      state.selected.assign(selected.begin(), selected.end());
      return state;
    });
  }

  TabsState Tabs() override {
    return OnUi([] {
      TabsState state;
      QWidget* window = InFront();
      auto* tabs = window == nullptr ? nullptr : window->findChild<QTabBar*>();
      QAccessibleInterface* strip = tabs == nullptr ? nullptr : QAccessible::queryAccessibleInterface(tabs);
      if (strip == nullptr) return state;
      for (int i = 0; i < strip->childCount(); ++i) {
        QAccessibleInterface* tab = strip->child(i);
        if (tab->role() != QAccessible::PageTab) continue;
        // Qt marks the current tab as the focused one of its strip.
        if (tab->state().selected || tab->state().focused) state.selected = static_cast<int>(state.captions.size());
        state.captions.push_back(Plain(tab->text(QAccessible::Name)));
        state.tool_tips.push_back(FromQ(tab->text(QAccessible::Description)));
      }
      return state;
    });
  }

  std::string FocusedControl() override {
    return OnUi([] {
      KeyboardWindow();
      QWidget* focus = QApplication::focusWidget();
      QAccessibleInterface* control = focus == nullptr ? nullptr : QAccessible::queryAccessibleInterface(focus);
      return control == nullptr ? std::string() : NameOf(control);
    });
  }

  std::string MessageText() override {
    return OnUi([] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      return box == nullptr ? std::string() : FromQ(box->text());
    });
  }

  DialogLayout OptionsLayout() override {
    return OnUi([] {
      DialogLayout layout;
      QWidget* window = InFront();
      auto* stack = window == nullptr ? nullptr : window->findChild<QStackedWidget*>();
      if (stack == nullptr) return layout;
      layout.tab_display = ScreenBox(stack);
      for (int i = 0; i < stack->count(); ++i) {
        QWidget* page = stack->widget(i);
        layout.pages.push_back(ScreenBox(page));
        auto& controls = layout.page_controls.emplace_back();
        // Every control shown on it, as on a system whose controls all lie flat on the page:
        // rules, and the rows and panes that only arrange the controls, are left out.
        for (QWidget* child : page->findChildren<QWidget*>()) {
          QAccessibleInterface* control = QAccessible::queryAccessibleInterface(child);
          const QAccessible::Role role = control->role();
          const bool arranges = role == QAccessible::Pane || role == QAccessible::Client ||
                              role == QAccessible::Separator || role == QAccessible::Border;
          if (child->isVisibleTo(page) && !(arranges && NameOf(control).empty()))
            controls.emplace_back(NameOf(control), ScreenBox(child));
        }
      }
      for (QPushButton* button : window->findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        layout.push_buttons.emplace_back(Plain(button->text()), ScreenBox(button));
      return layout;
    });
  }

  int ColoursShown(const std::string& name) override {
    return OnUi([&] {
      QWidget* widget = Find(name);
      if (widget == nullptr) return 0;
      const QImage image = widget->grab().toImage();
      QSet<QRgb> colours;
      for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) colours.insert(image.pixel(x, y));
      return static_cast<int>(colours.size());
    });
  }

  std::vector<std::string> HelpPagesOpened() override {
    return OnUi([this] { return help_opened_; });
  }

  void Picture(const std::string& name) override {
    const QString folder = qEnvironmentVariable("KGH_PICTURES");
    if (folder.isEmpty()) return;
    OnUi([&] {
      if (QWidget* window = InFront()) window->grab().save(folder + u'/' + ToQ(name) + QStringLiteral(".png"));
      return 0;
    });
  }

 private:
  // The modal dialog in front, else the shown window.
  static QWidget* InFront() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible()) return window;
    return nullptr;
  }

  // The window the keyboard goes to. A desktop gives it back to a window when a modal dialog
  // over it closes; the offscreen platform leaves that to whoever drives it.
  static QWindow* KeyboardWindow() {
    QWidget* window = InFront();
    if (window == nullptr) return nullptr;
    if (!window->isActiveWindow()) {
      window->activateWindow();
      if (!QTest::qWaitForWindowActive(window)) ADD_FAILURE() << "the window in front takes no keys";
    }
    return window->windowHandle();
  }

  static void ClickAt(QWidget* widget, QPoint at) {
    QWidget* window = widget->window();
    if (!window->isActiveWindow()) KeyboardWindow();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, at));
  }

  // The control of that name in the window in front: a shown one before a hidden one (another
  // page may have its namesake), one that takes input before a label.
  static QAccessibleInterface* FindAccessible(const std::string& name) {
    QWidget* window = InFront();
    if (window == nullptr) return nullptr;
    std::vector<QAccessibleInterface*> found;
    FindIn(QAccessible::queryAccessibleInterface(window), name, found);
    const auto rank = [](QAccessibleInterface* control) {
      return (control->state().invisible ? 2 : 0) + (control->role() == QAccessible::StaticText ? 1 : 0);
    };
    const auto best = std::min_element(found.begin(), found.end(),
                                       [&](auto* a, auto* b) { return rank(a) < rank(b); });
    return best == found.end() ? nullptr : *best;
  }
  static void FindIn(QAccessibleInterface* node, const std::string& name, std::vector<QAccessibleInterface*>& found) {
    if (node == nullptr) return;
    if (NameOf(node) == name) found.push_back(node);
    // Rows and cells are read through their list, not searched.
    if (node->tableInterface() != nullptr) return;
    for (int i = 0; i < node->childCount(); ++i) FindIn(node->child(i), name, found);
  }
  QWidget* Find(const std::string& name) {
    QAccessibleInterface* control = FindAccessible(name);
    auto* widget = control == nullptr ? nullptr : qobject_cast<QWidget*>(control->object());
    if (widget == nullptr) ADD_FAILURE() << "no control \"" << name << "\" in \"" << FromQ(InFront()->windowTitle()) << '"';
    return widget;
  }

  // Runs `query` on the front-end's thread and returns what it answered.
  template <typename Query>
  auto OnUi(Query query) -> decltype(query()) {
    decltype(query()) answer{};
    QMetaObject::invokeMethod(qApp, [&] { answer = query(); }, Qt::BlockingQueuedConnection);
    return answer;
  }

  // Sends an action to the front-end's thread and waits until it has been taken in: it may open
  // a modal dialog and not return for a while, so the wait is for the next pass of the events.
  void Act(std::function<void()> action) {
    QMetaObject::invokeMethod(qApp, std::move(action), Qt::QueuedConnection);
    Settle();
  }
  void Settle() {
    for (int pass = 0; pass < 3; ++pass) {
      auto taken = std::make_shared<std::promise<void>>();
      std::future<void> done = taken->get_future();
      QMetaObject::invokeMethod(qApp, [taken] { taken->set_value(); }, Qt::QueuedConnection);
      EXPECT_EQ(done.wait_for(std::chrono::seconds(20)), std::future_status::ready) << "the front-end is stuck";
    }
  }

  std::string component_folder_;
  std::vector<std::string> help_opened_;
  std::atomic<bool> call_running_ = false;
};

}  // namespace

Driver& TheDriver() {
  static QtDriver driver;
  return driver;
}

}  // namespace kgh::acceptance
