#pragma once
// An options dialog view over a form opened on a small configuration in a fresh folder, shown
// (not modally) so that tests click and type into it.
#include <gtest/gtest.h>

#include <QWidget>

#include <memory>
#include <string>

#include "QtFakes.h"
#include "options/frmOrvexOptions.h"
#include "qt/OptionsDialogView.h"
#include "support/TempDir.h"

namespace kgh::test {

// [Toolbar]: Back, a separator, the user button News with the sub-entry Sports.
extern const char* const kSampleConfig;

class OptionsViewTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename W>
  W* Find(const char* name) {
    W* widget = view->findChild<W*>(QString::fromUtf8(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void ClickTab(int index);
  void ClickRow(int row);
  void Click(const char* name);

  TempDir dir;
  std::string root;
  std::string config;
  FakeMessageBoxes messages;
  FakeFileDialogs files;
  std::unique_ptr<frmOrvexOptions> form;
  std::unique_ptr<qt::OptionsDialogView> view;
};

}  // namespace kgh::test
