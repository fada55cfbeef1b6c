#pragma once
// Helpers for tests that drive the Qt views headless: answering the real modal dialogs the views
// open, and finding and clicking their widgets by object name.
#include <gtest/gtest.h>

#include <QTest>
#include <QtWidgets>

#include <functional>

namespace kgh::test {

// Once the modal widget named `object_name` is in front, runs `action` on it (from the event loop, so the
// code that opened it is waiting in its modal display).
void WhenModal(const char* object_name, std::function<void(QWidget*)> action);
// The same for the next message box, whatever its name (Qt's own dialogs ask through unnamed ones).
void WhenMessageBox(std::function<void(QMessageBox*)> action);

// On a desktop a window has the keyboard again once a modal dialog over it has closed; the
// offscreen platform leaves that to the test.
void TakeKeyboardBack(QWidget* window);

// Types `text` into `widget` key by key, as a keyboard layout with those letters would; unlike
// QTest::keyClicks, any letter, not just ASCII.
void TypeText(QWidget* widget, const QString& text);

// Makes the QApplication the views need.
void UseApplication();

// The child named `name`; fails the test when there is none.
template <typename W = QWidget>
W* Child(QWidget* parent, const char* name) {
  W* widget = parent->findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Mouse clicks on the button named `name`, and on the tab `index` of the options dialog.
void ClickOn(QWidget* parent, const char* name);
void ClickTab(QWidget* dialog, int index);

// Adds a user button with the button dialog the options dialog `parent` opens: types `caption`
// and `url`, then clicks OK.
void AddButton(QWidget* parent, const char* caption, const char* url);

}  // namespace kgh::test
