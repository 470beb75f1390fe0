#pragma once
#include <QTimer>
#include <QWidget>
#include <functional>
#include <unordered_map>

#include "toolkit/window.h"

namespace qirvo {

class CanvasWidget;

// The native face of one Window model: a top-level widget with a child widget for every
// control, created in layout order (later controls lie above earlier ones). sync() pulls
// whatever the models changed; user edits go into the models before a handler runs.
class QtWindowView : public QWidget {
  Q_OBJECT

 public:
  QtWindowView(Window& model, std::function<void()> afterInput,
               std::function<void()> closeRequested);

  Window& model() { return model_; }
  void sync();
  void placeForShow();
  // Gives the keyboard to the topmost canvas that takes keys; a borderless window also
  // grabs it, once X can grant the grab (the window must be viewable).
  void takeKeyboard();
  void releaseKeyboardGrab();

 protected:
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;

 private:
  struct Bound {
    Control* control;
    QWidget* widget;
    std::uint64_t seen = 0;
  };
  QWidget* build(Control& c, QWidget* parent);
  void apply(Bound& b);
  void hideCoveredCanvases();
  CanvasWidget* keyTarget() const;

  Window& model_;
  std::function<void()> afterInput_;
  std::function<void()> closeRequested_;
  std::vector<Bound> bound_;
  std::vector<CanvasWidget*> canvases_;
  QTimer* grabRetry_ = nullptr;
};

}  // namespace qirvo
