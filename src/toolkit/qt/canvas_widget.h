#pragma once
#include <QWidget>

#include "toolkit/control.h"

namespace qirvo {

// Shows a Canvas model one picture pixel to one device pixel, whatever Qt's scale factor,
// and hands mouse, wheel and key input to the control's handlers in picture pixels.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  CanvasWidget(Control& control, std::function<void()> afterInput, QWidget* parent);

  // Pulls size and changed pixels from the model.
  void sync();
  void applyPointer(const PointerShape& shape);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  Point toPixels(const QPointF& logical) const;
  QRect toLogical(Rect device) const;

  Control& control_;
  std::function<void()> afterInput_;
  int shownWidth_ = -1;
  int shownHeight_ = -1;
};

}  // namespace qirvo
