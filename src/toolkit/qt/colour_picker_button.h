#pragma once
#include <QToolButton>
#include <functional>

#include "picture/colour_value.h"

namespace qirvo {

// A button showing the current colour that drops down a grid of colours and offers the
// colour dialog for any other. `chosen` fires for every choice, also of the same colour.
class ColourPickerButton : public QToolButton {
  Q_OBJECT

 public:
  ColourPickerButton(std::function<void(ColourValue)> chosen, QWidget* parent);
  void showColour(ColourValue c);

 private:
  void choose(ColourValue c);

  std::function<void(ColourValue)> chosen_;
  ColourValue current_ = kBlack;
};

}  // namespace qirvo
