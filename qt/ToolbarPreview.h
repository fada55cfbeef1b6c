#pragma once
// The toolbar as the browser will lay it out, left to right: standard buttons with a plain
// picture and their name, separators as rules, user buttons with their caption (and bitmap when
// it can be found), and a drop-down mark on a user button that has sub-entries.
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <string>
#include <vector>

#include "config/ConfigFormat.h"

namespace kgh::qt {

struct PreviewItem {
  enum class Kind { Standard, Separator, User };
  Kind kind = Kind::Standard;
  QString text;
  QIcon icon;      // standard buttons
  QPixmap bitmap;  // user buttons whose bitmap file was found
  bool has_menu = false;
};

// Where a bitmap address may be found on disk: below the root directory (addresses on the
// default server are taken relative to it) or beside the configuration file.
struct BitmapPlaces {
  std::string root_dir;
  std::string config_dir;
  std::string def_server;
};

QString FindBitmapFile(const std::string& image, const BitmapPlaces& places);

// The buttons the browser shows for `rows`: sub-entries fold into the user button above them.
std::vector<PreviewItem> PreviewItems(const std::vector<ToolbarEntry>& rows, const BitmapPlaces& places);

class ToolbarPreview final : public QWidget {
 public:
  explicit ToolbarPreview(QWidget* parent);

  void SetItems(std::vector<PreviewItem> items, bool small_buttons);
  const std::vector<PreviewItem>& items() const { return items_; }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int IconSize() const { return small_ ? 16 : 24; }
  int ButtonWidth(const PreviewItem& item) const;
  int ButtonHeight() const;
  void PaintButton(QPainter& painter, const QRect& cell, const PreviewItem& item) const;

  std::vector<PreviewItem> items_;
  bool small_ = false;
};

}  // namespace kgh::qt
