#include "toolkit/qt/colour_picker_button.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidgetAction>

namespace qirvo {

namespace {

QColor toQColor(ColourValue c) {
  return QColor(redOf(c), greenOf(c), blueOf(c));
}

// Eight columns of hues over five rows of shades, with black and white first.
const ColourValue kGrid[] = {
    0x000000, 0x404040, 0x808080, 0xA0A0A0, 0xC0C0C0, 0xE0E0E0, 0xF0F0F0, 0xFFFFFF,
    0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF80, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF,
    0x000080, 0x004080, 0x008080, 0x008040, 0x008000, 0x808000, 0x800000, 0x800080,
    0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FFC0, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF,
    0x000040, 0x002040, 0x004040, 0x004020, 0x004000, 0x404000, 0x400000, 0x400040,
};

}  // namespace

ColourPickerButton::ColourPickerButton(std::function<void(ColourValue)> chosen, QWidget* parent)
    : QToolButton(parent), chosen_(std::move(chosen)) {
  setPopupMode(QToolButton::InstantPopup);
  auto* menu = new QMenu(this);
  auto* grid = new QWidget(menu);
  auto* layout = new QGridLayout(grid);
  layout->setSpacing(2);
  layout->setContentsMargins(4, 4, 4, 4);
  int i = 0;
  for (ColourValue c : kGrid) {
    auto* swatch = new QPushButton(grid);
    swatch->setFixedSize(16, 16);
    swatch->setStyleSheet(
        QString("background:%1; border:1px solid #8a8a9a;").arg(toQColor(c).name()));
    connect(swatch, &QPushButton::clicked, this, [this, menu, c] {
      menu->close();
      choose(c);
    });
    layout->addWidget(swatch, i / 8, i % 8);
    ++i;
  }
  auto* action = new QWidgetAction(menu);
  action->setDefaultWidget(grid);
  menu->addAction(action);
  menu->addSeparator();
  menu->addAction("其他颜色...", this, [this] {
    QColor c = QColorDialog::getColor(toQColor(current_), this, "颜色");
    if (c.isValid()) choose(makeColour(c.red(), c.green(), c.blue()));
  });
  setMenu(menu);
  showColour(kBlack);
}

void ColourPickerButton::choose(ColourValue c) {
  showColour(c);
  chosen_(c);
}

void ColourPickerButton::showColour(ColourValue c) {
  current_ = c;
  QPixmap swatch(26, 12);
  swatch.fill(toQColor(c));
  QPainter p(&swatch);
  p.setPen(QColor(120, 120, 130));
  p.drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
  setIcon(QIcon(swatch));
  setIconSize(swatch.size());
}

}  // namespace qirvo
