#pragma once
// The wizard's Qt view over a form wired to scripted platform services, with the Qt host, and
// helpers that act on the view the way a user does.
#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <memory>

#include "WizardFakes.h"
#include "qt/wizard/QtWizardHost.h"
#include "qt/wizard/WizardView.h"

class QMenu;
class QPushButton;
class QWidget;

namespace kgh::test {

struct WizardViewRig {
  WizardViewRig();

  // The platform services, every one scripted except the Qt host.
  WizardServices Services();
  // A loaded form and its view, shown (not modally).
  qt::WizardView& Show();

  qt::QtWizardHost host;
  ScriptedFileDialogs dialogs;
  RecordingMessages messages;
  FixedListing listing;
  FixedComputerName computer{"SRV1"};
  ScriptedDirectoryService directory_service;
  ScriptedRegistry registry;
  RecordingOpener opener{ComponentServices{}};
  std::unique_ptr<frmWizard> form;
  std::unique_ptr<qt::WizardView> view;
};

// The widget named `name` in `window`; fails the test when there is none.
template <typename W>
W* Find(QWidget* window, const char* name) {
  W* widget = window->findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Clicks the push button named `name` with the mouse.
void Click(QWidget* window, const char* name);

// The object name of the page the wizard shows.
QString ShownPage(QWidget* window);

// Once a pop-up menu is open, runs `action` on it (from the event loop, while the code that
// opened it waits for the user).
void WhenPopup(std::function<void(QMenu*)> action);

}  // namespace kgh::test
