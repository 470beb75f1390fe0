#include "toolkit/qt/qt_theme.h"

#include <QFont>
#include <QFontDatabase>
#include <QStyleFactory>

namespace qirvo {

void applyTheme(QApplication& app) {
  app.setStyle(QStyleFactory::create("Fusion"));
  QFont font = app.font();
  for (const char* family : {"WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC"}) {
    if (QFontDatabase::hasFamily(family)) {
      font.setFamily(family);
      break;
    }
  }
  font.setPixelSize(12);
  app.setFont(font);
  app.setStyleSheet(R"(
    QWidget { color: #1f2330; }
    QPushButton {
      border: 1px solid rgb(198, 197, 215); border-radius: 3px; padding: 0 4px;
      background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #ecebf3);
    }
    QPushButton:hover { border-color: #7f9fd9; background: #eef3fd; }
    QPushButton:pressed { background: #d9e4f8; }
    QLineEdit, QComboBox {
      border: 1px solid rgb(198, 197, 215); border-radius: 2px; padding: 0 2px;
      background: #ffffff;
    }
    QComboBox:hover, QLineEdit:focus { border-color: #7f9fd9; }
    QComboBox::drop-down { width: 14px; border: none; }
    QToolButton { border: 1px solid rgb(198, 197, 215); border-radius: 2px; background: #ffffff; }
    QToolButton::menu-indicator { subcontrol-position: right center; width: 7px; }
  )");
}

}  // namespace qirvo
