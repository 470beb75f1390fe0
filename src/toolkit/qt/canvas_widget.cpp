#include "toolkit/qt/canvas_widget.h"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <cmath>

#include "toolkit/qt/qt_cursors.h"
#include "toolkit/qt/qt_keys.h"
#include "toolkit/qt/timing.h"

namespace qirvo {

CanvasWidget::CanvasWidget(Control& control, std::function<void()> afterInput, QWidget* parent)
    : QWidget(parent), control_(control), afterInput_(std::move(afterInput)) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  sync();
}

QRect CanvasWidget::toLogical(Rect d) const {
  const double dpr = devicePixelRatioF();
  const int left = static_cast<int>(std::floor(d.left / dpr));
  const int top = static_cast<int>(std::floor(d.top / dpr));
  const int right = static_cast<int>(std::ceil(d.right / dpr));
  const int bottom = static_cast<int>(std::ceil(d.bottom / dpr));
  return QRect(left, top, right - left, bottom - top);
}

Point CanvasWidget::toPixels(const QPointF& logical) const {
  const double dpr = devicePixelRatioF();
  return {static_cast<int>(std::floor(logical.x() * dpr)),
          static_cast<int>(std::floor(logical.y() * dpr))};
}

void CanvasWidget::sync() {
  Canvas& canvas = *control_.canvas();
  const int w = canvas.width();
  const int h = canvas.height();
  if (w != shownWidth_ || h != shownHeight_) {
    shownWidth_ = w;
    shownHeight_ = h;
    QRect r = toLogical({0, 0, w, h});
    resize(r.width(), r.height());
  }
  const Rect dirty = canvas.takeDirty();
  if (dirty.isEmpty()) return;
  // When timing, paint at once so the measured input includes the screen update.
  if (InputTiming::instance().enabled())
    repaint(toLogical(dirty));
  else
    update(toLogical(dirty));
}

void CanvasWidget::paintEvent(QPaintEvent* e) {
  QPainter p(this);
  const double dpr = devicePixelRatioF();
  const QRect area = e->rect();
  p.fillRect(area, Qt::black);
  control_.canvas()->withShown([&](const Raster& img) {
    if (img.empty()) return;
    // The model's words are 0xFFRRGGBB, Qt's RGB32: drawn without conversion.
    QImage view(reinterpret_cast<const uchar*>(img.data()), img.width(), img.height(),
                img.width() * 4, QImage::Format_RGB32);
    view.setDevicePixelRatio(dpr);
    const QRectF source(area.left() * dpr, area.top() * dpr, area.width() * dpr,
                        area.height() * dpr);
    p.drawImage(QRectF(area), view, source);
  });
  if (window()->windowFlags() & Qt::FramelessWindowHint)
    InputTiming::instance().reportPaint("click to overlay painted");
}

void CanvasWidget::mousePressEvent(QMouseEvent* e) {
  const Point at = toPixels(e->position());
  if (e->button() == Qt::LeftButton && control_.on.leftPress) control_.on.leftPress(at.x, at.y);
  if (e->button() == Qt::RightButton && control_.on.rightPress) control_.on.rightPress(at.x, at.y);
  afterInput_();
}

void CanvasWidget::mouseReleaseEvent(QMouseEvent* e) {
  const Point at = toPixels(e->position());
  if (e->button() == Qt::LeftButton && control_.on.leftRelease) control_.on.leftRelease(at.x, at.y);
  afterInput_();
}

void CanvasWidget::mouseMoveEvent(QMouseEvent* e) {
  InputTiming::instance().markInput();
  const Point at = toPixels(e->position());
  if (control_.on.mouseMove) control_.on.mouseMove(at.x, at.y);
  afterInput_();
  if (e->buttons() & Qt::LeftButton) InputTiming::instance().reportInput("drag move");
}

void CanvasWidget::mouseDoubleClickEvent(QMouseEvent* e) {
  const Point at = toPixels(e->position());
  if (e->button() == Qt::LeftButton && control_.on.doubleClick)
    control_.on.doubleClick(at.x, at.y);
  else if (e->button() == Qt::LeftButton && control_.on.leftPress)
    control_.on.leftPress(at.x, at.y);  // a canvas without double-clicks sees a press
  afterInput_();
}

void CanvasWidget::wheelEvent(QWheelEvent* e) {
  if (control_.on.wheel) control_.on.wheel(e->angleDelta().y() / 120);
  afterInput_();
}

void CanvasWidget::keyPressEvent(QKeyEvent* e) {
  if (!control_.on.keyDown) {
    QWidget::keyPressEvent(e);
    return;
  }
  control_.on.keyDown(virtualKeyOf(*e), modifiersOf(e->modifiers()));
  afterInput_();
}

void CanvasWidget::applyPointer(const PointerShape& shape) {
  if (shape.kind == PointerShape::Kind::Default)
    unsetCursor();
  else
    setCursor(cursorFor(shape));
}

}  // namespace qirvo
