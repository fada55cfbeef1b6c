// The toolbar preview lays the rows out as the browser will: sub-entries fold into the user
// button above them, and bitmaps are looked up below the root or beside the configuration.
#include "QtFakes.h"
#include "qt/ToolbarPreview.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

TEST(ToolbarPreview, SubEntriesFoldIntoTheNearestUserButtonAbove) {
  UseApplication();
  const auto items = qt::PreviewItems({SubEntryRow("Orphan", "o.htm"),  // no user button above: one of its own
                                       StandardButtonRow(1), UserButtonRow("News", "news.htm", ""),
                                       StandardButtonRow(kSeparatorButton),
                                       SubEntryRow("Sports", "sports.htm"),  // still News's, past the separator
                                       UserButtonRow("Mail", "mail.htm", "")},
                                      {});
  ASSERT_EQ(items.size(), 5u);
  EXPECT_EQ(items[0].text, "Orphan");
  EXPECT_EQ(items[1].text, "Back");
  EXPECT_EQ(items[3].kind, qt::PreviewItem::Kind::Separator);
  for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(items[i].has_menu, i == 2) << i;
  EXPECT_FALSE(items[1].icon.isNull());
}

// Buttons stand side by side, in a preview as wide as they are.
TEST(ToolbarPreview, ButtonsAreDrawnOneBesideTheOther) {
  UseApplication();
  qt::ToolbarPreview preview(nullptr);
  preview.SetItems(qt::PreviewItems({StandardButtonRow(1), StandardButtonRow(2), StandardButtonRow(3)}, {}), false);
  preview.resize(preview.sizeHint());
  const QImage image = preview.grab().toImage();
  ASSERT_GE(image.width(), 3 * 16);
  // Inside the frame, each third of the width shows a button: more than one colour.
  const int third = (image.width() - 4) / 3;
  for (int part = 0; part < 3; ++part) {
    std::set<QRgb> colours;
    for (int x = 2 + part * third; x < 2 + (part + 1) * third; ++x)
      for (int y = 2; y < image.height() - 2; ++y) colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 1u) << "third " << part;
  }
}

TEST(ToolbarPreview, EveryStockKindOfTheCatalogueShowsAPicture) {
  UseApplication();
  for (ButtonTypeId id = 1; id <= CButtons::MaxButtonTypes; ++id) {
    const qt::PreviewItem item = qt::PreviewItems({StandardButtonRow(id)}, {}).at(0);
    const bool stock = id != kSeparatorButton && id != kUserButton;
    EXPECT_EQ(!item.icon.isNull(), stock) << id;
  }
}

TEST(ToolbarPreview, BitmapsAreFoundBelowTheRootOrBesideTheConfiguration) {
  UseApplication();
  TempDir dir;
  const auto root = dir.path() / "web";
  const auto config_dir = dir.path() / "cfg";
  std::filesystem::create_directories(root / "img");
  std::filesystem::create_directories(config_dir / "art");
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(QString::fromStdString((root / "img" / "a.bmp").string())));
  ASSERT_TRUE(image.save(QString::fromStdString((config_dir / "art" / "b.bmp").string())));
  const qt::BitmapPlaces places{root.string(), config_dir.string(), "intranet:8080"};

  EXPECT_FALSE(qt::FindBitmapFile("http://intranet:8080/img/a.bmp", places).isEmpty());
  EXPECT_FALSE(qt::FindBitmapFile("art\\b.bmp", places).isEmpty());
  EXPECT_TRUE(qt::FindBitmapFile("http://intranet:8080/img/missing.bmp", places).isEmpty());
  EXPECT_FALSE(qt::PreviewItems({UserButtonRow("A", "a.htm", "img/a.bmp")}, places)[0].bitmap.isNull());
}

}  // namespace
}  // namespace kgh::test
