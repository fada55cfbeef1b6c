#include "qt/StyleIcons.h"

#include <QApplication>
#include <QPushButton>
#include <QStyle>

#include "qt/Twips.h"

namespace kgh::qt {

QIcon StyleIcon(Picture picture) {
  QStyle* style = QApplication::style();
  switch (picture) {
    case Picture::None:
      return {};
    case Picture::OpenFolder:
      return style->standardIcon(QStyle::SP_DirOpenIcon);
    case Picture::ArrowUp:
      return style->standardIcon(QStyle::SP_ArrowUp);
    case Picture::ArrowDown:
      return style->standardIcon(QStyle::SP_ArrowDown);
    case Picture::ArrowLeft:
      return style->standardIcon(QStyle::SP_ArrowLeft);
    case Picture::ArrowRight:
      return style->standardIcon(QStyle::SP_ArrowRight);
  }
  return {};
}

QPushButton* MakePictureButton(QWidget* parent, Picture picture, const char* accessible_name, int width_twips,
                               int height_twips) {
  auto* button = new QPushButton(parent);
  button->setIcon(StyleIcon(picture));
  button->setIconSize(QSize(16, 16));
  button->setAccessibleName(QString::fromUtf8(accessible_name));
  button->setToolTip(QString::fromUtf8(accessible_name));
  button->setAutoDefault(false);
  button->setFixedSize(TwipsToPixels(width_twips, parent), TwipsToPixels(height_twips, parent));
  return button;
}

}  // namespace kgh::qt
