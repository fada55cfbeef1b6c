#include "OptionsViewFixture.h"

#include <QAbstractButton>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include <filesystem>

namespace kgh::test {

const char* const kSampleConfig =
    "[Browser]\r\nHomepage=http://devbox:8080/start.htm\r\nErrorPage=res://error.htm\r\nFullScreen=1\r\n"
    "SmallToolbar=0\r\nBrowserEngine=2\r\n"
    "[Toolbar]\r\nBack=1\r\nSep\r\nUser1=news.htm\r\n"
    "[User1]\r\nCaption=News\r\nBitmap=\r\n_Sports=sports.htm\r\n"
    "[Domains]\r\njavascript:\r\nmailto:\r\n";

void OptionsViewTest::SetUp() {
  UseApplication();
  root = (dir.path() / "web").string();
  std::filesystem::create_directories(root);
  config = dir.File("Orvex.INI");
  WriteBytes(config, kSampleConfig);
  OptionsServices services;
  services.messages = &messages;
  services.file_dialogs = &files;
  form = std::make_unique<frmOrvexOptions>(services);
  form->Start(root, config, "devbox:8080/");
  view = std::make_unique<qt::OptionsDialogView>(*form);
  view->show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(view.get()));
}

void OptionsViewTest::TearDown() {
  view.reset();
  form.reset();
}

void OptionsViewTest::ClickTab(int index) {
  auto* tabs = Find<QTabBar>("tbsOptions");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(index).center());
}

void OptionsViewTest::ClickRow(int row) {
  auto* list = Find<QTreeWidget>("lstButtons");
  const QRect rect = list->visualItemRect(list->topLevelItem(row));
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void OptionsViewTest::Click(const char* name) { QTest::mouseClick(Find<QAbstractButton>(name), Qt::LeftButton); }

}  // namespace kgh::test
