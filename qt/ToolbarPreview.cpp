#include "qt/ToolbarPreview.h"

#include <algorithm>
#include <cstdint>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "qt/QtText.h"

namespace kgh::qt {

namespace {

constexpr int kPadding = 4;
constexpr int kSeparatorWidth = 8;
constexpr int kMenuMarkWidth = 10;

// The style's picture nearest to each of the browser's stock pictures.
QIcon StockIcon(ButtonPicture picture) {
  const auto icon = [](QStyle::StandardPixmap pixmap) { return QApplication::style()->standardIcon(pixmap); };
  switch (picture) {
    case ButtonPicture::Back: return icon(QStyle::SP_ArrowBack);
    case ButtonPicture::Forward: return icon(QStyle::SP_ArrowForward);
    case ButtonPicture::Stop: return icon(QStyle::SP_BrowserStop);
    case ButtonPicture::Refresh: return icon(QStyle::SP_BrowserReload);
    case ButtonPicture::Home: return icon(QStyle::SP_DirHomeIcon);
    case ButtonPicture::Help: return icon(QStyle::SP_DialogHelpButton);
    case ButtonPicture::Print: return icon(QStyle::SP_FileIcon);
    case ButtonPicture::Meeting: return icon(QStyle::SP_ComputerIcon);
    case ButtonPicture::None:
    case ButtonPicture::Gap:
    case ButtonPicture::OwnBitmap:
      break;
  }
  return {};
}

// "http://server/img/b.bmp" on the default server names img/b.bmp below the root.
QString WithoutServer(const QString& address, const std::string& def_server) {
  if (def_server.empty()) return address;
  const QString prefix = QStringLiteral("http://") + ToQ(def_server) + QStringLiteral("/");
  return address.startsWith(prefix, Qt::CaseInsensitive) ? address.mid(prefix.size()) : address;
}

QString ExistingFile(const std::string& folder, const QString& relative) {
  if (folder.empty()) return {};
  const QFileInfo file(QDir(ToQ(folder)), relative);
  return file.isFile() ? file.absoluteFilePath() : QString();
}

}  // namespace

QString FindBitmapFile(const std::string& image, const BitmapPlaces& places) {
  if (image.empty()) return {};
  QString relative = WithoutServer(ToQ(image), places.def_server);
  relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
  if (QFileInfo(relative).isAbsolute()) return QFileInfo(relative).isFile() ? relative : QString();
  const QString below_root = ExistingFile(places.root_dir, relative);
  return below_root.isEmpty() ? ExistingFile(places.config_dir, relative) : below_root;
}

namespace {

PreviewItem ItemFor(const ToolbarEntry& row, const BitmapPlaces& places) {
  PreviewItem item;
  const ButtonPicture picture = CButtons().ButtonTypePicture(row.tag);
  if (picture == ButtonPicture::Gap) {
    item.kind = PreviewItem::Kind::Separator;
  } else if (picture == ButtonPicture::OwnBitmap) {
    item.kind = PreviewItem::Kind::User;
    item.text = ToQ(WithoutSubEntryMark(row.caption));
    const QString bitmap = FindBitmapFile(row.image, places);
    if (!bitmap.isEmpty()) item.bitmap = QPixmap(bitmap);
  } else {
    item.text = ToQ(row.caption);
    item.icon = StockIcon(picture);
  }
  return item;
}

}  // namespace

std::vector<PreviewItem> PreviewItems(const std::vector<ToolbarEntry>& rows, const BitmapPlaces& places) {
  std::vector<PreviewItem> items;
  // The user button nearest above, which the sub-entries below it belong to.
  std::size_t parent = SIZE_MAX;
  for (const ToolbarEntry& row : rows) {
    if (row.IsSubEntry() && parent != SIZE_MAX) {
      items[parent].has_menu = true;
      continue;
    }
    // A sub-entry with no user button above it is saved as a user button of its own.
    if (row.IsUserKind()) parent = items.size();
    items.push_back(ItemFor(row, places));
  }
  return items;
}

ToolbarPreview::ToolbarPreview(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ToolbarPreview"));
  setAccessibleName(QStringLiteral("Toolbar preview"));
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ToolbarPreview::SetItems(std::vector<PreviewItem> items, bool small_buttons) {
  items_ = std::move(items);
  small_ = small_buttons;
  updateGeometry();
  update();
}

int ToolbarPreview::ButtonWidth(const PreviewItem& item) const {
  if (item.kind == PreviewItem::Kind::Separator) return kSeparatorWidth;
  const int text = fontMetrics().horizontalAdvance(item.text);
  const int mark = item.has_menu ? kMenuMarkWidth : 0;
  return std::max(text, IconSize()) + mark + 2 * kPadding;
}

int ToolbarPreview::ButtonHeight() const { return IconSize() + fontMetrics().height() + 3 * kPadding; }

QSize ToolbarPreview::sizeHint() const {
  int width = 2 * kPadding;
  for (const PreviewItem& item : items_) width += ButtonWidth(item) + kPadding;
  return {width, ButtonHeight() + 2 * kPadding};
}

QSize ToolbarPreview::minimumSizeHint() const { return {0, ButtonHeight() + 2 * kPadding}; }

void ToolbarPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QStyleOptionFrame frame;
  frame.initFrom(this);
  style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
  int x = kPadding;
  for (const PreviewItem& item : items_) {
    const QRect cell(x, kPadding, ButtonWidth(item), ButtonHeight());
    if (item.kind == PreviewItem::Kind::Separator) {
      painter.setPen(palette().color(QPalette::Mid));
      painter.drawLine(cell.center().x(), cell.top() + 2, cell.center().x(), cell.bottom() - 2);
    } else {
      PaintButton(painter, cell, item);
    }
    x += cell.width() + kPadding;
  }
}

void ToolbarPreview::PaintButton(QPainter& painter, const QRect& cell, const PreviewItem& item) const {
  painter.setPen(palette().color(QPalette::Mid));
  painter.setBrush(palette().color(QPalette::Button));
  painter.drawRoundedRect(cell.adjusted(0, 0, -1, -1), 3, 3);
  const int content = cell.width() - (item.has_menu ? kMenuMarkWidth : 0);
  const QRect picture(cell.left() + (content - IconSize()) / 2, cell.top() + kPadding, IconSize(), IconSize());
  if (!item.bitmap.isNull()) painter.drawPixmap(picture, item.bitmap);
  else if (!item.icon.isNull()) item.icon.paint(&painter, picture);
  painter.setPen(palette().color(QPalette::ButtonText));
  const QRect text(cell.left(), picture.bottom() + kPadding, content, fontMetrics().height());
  painter.drawText(text, Qt::AlignHCenter | Qt::AlignVCenter, item.text);
  if (!item.has_menu) return;
  QStyleOption arrow;
  arrow.initFrom(this);
  arrow.rect = QRect(cell.right() - kMenuMarkWidth, cell.center().y() - 4, kMenuMarkWidth - 2, 8);
  style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);
}

}  // namespace kgh::qt
