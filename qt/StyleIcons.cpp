#include "qt/StyleIcons.h"

#include <QApplication>
#include <QStyle>

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

}  // namespace kgh::qt
