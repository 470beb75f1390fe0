#include "toolkit/canvas.h"

#include <algorithm>

namespace qirvo {

namespace {
// A persistent image is never smaller than 1 x 1.
int imageSide(Persistence p, int side) {
  return p == Persistence::Persistent ? std::max(side, 1) : std::max(side, 0);
}
}  // namespace

Canvas::Canvas(int width, int height, Persistence persistence, BackgroundPlacement placement)
    : persistence_(persistence), placement_(placement), width_(width), height_(height) {
  image_ = Raster(imageSide(persistence_, width_), imageSide(persistence_, height_), background_);
  dirty_ = image_.bounds();
}

int Canvas::width() const {
  std::lock_guard lock(mutex_);
  return width_;
}

int Canvas::height() const {
  std::lock_guard lock(mutex_);
  return height_;
}

void Canvas::setWidth(int w) {
  std::lock_guard lock(mutex_);
  resizeLocked(w, height_);
}

void Canvas::setHeight(int h) {
  std::lock_guard lock(mutex_);
  resizeLocked(width_, h);
}

void Canvas::setSize(int w, int h) {
  std::lock_guard lock(mutex_);
  resizeLocked(w, h);
}

void Canvas::resizeLocked(int w, int h) {
  w = std::max(w, 0);
  h = std::max(h, 0);
  if (w == width_ && h == height_) return;
  width_ = w;
  height_ = h;
  if (persistence_ == Persistence::Persistent) {
    // Keep the top-left part of what was drawn; new area shows the background.
    Raster next(imageSide(persistence_, w), imageSide(persistence_, h), background_);
    renderBackgroundLocked(next, next.bounds());
    next.blit(image_, 0, 0, image_.width(), image_.height(), 0, 0);
    image_ = std::move(next);
    drawn_ = drawn_.intersected(image_.bounds());
  } else {
    rebuildLocked();
  }
  dirty_ = image_.bounds();
}

ColourValue Canvas::backgroundColour() const {
  std::lock_guard lock(mutex_);
  return background_;
}

void Canvas::setBackgroundColour(ColourValue c) {
  std::lock_guard lock(mutex_);
  if (c == background_) return;
  background_ = c;
  rebuildLocked();
}

void Canvas::setBackgroundPicture(const PictureBytes& picture) {
  std::lock_guard lock(mutex_);
  auto decoded = decodePicture(picture);
  hasPicture_ = decoded.has_value();
  picture_ = decoded ? std::move(*decoded) : Raster{};
  rebuildLocked();
}

void Canvas::rebuildLocked() {
  if (image_.width() != imageSide(persistence_, width_) ||
      image_.height() != imageSide(persistence_, height_))
    image_ = Raster(imageSide(persistence_, width_), imageSide(persistence_, height_));
  renderBackgroundLocked(image_, image_.bounds());
  drawn_ = {};
  dirty_ = image_.bounds();
}

void Canvas::renderBackgroundLocked(Raster& into, Rect area) const {
  if (hasPicture_ && placement_ == BackgroundPlacement::Tiled) {
    into.tile(picture_, area);  // covers everything: no colour shows
    return;
  }
  const Rect covered = hasPicture_ ? area.intersected(picture_.bounds()) : Rect{};
  if (covered != area) into.fillRect(area, background_);
  if (!covered.isEmpty())
    into.blit(picture_, covered.left, covered.top, covered.width(), covered.height(), covered.left,
              covered.top);
}

void Canvas::clear() {
  std::lock_guard lock(mutex_);
  // Only what was drawn since the last repaint differs from the background.
  renderBackgroundLocked(image_, drawn_);
  dirty_ = dirty_.united(drawn_);
  drawn_ = {};
}

void Canvas::markDrawnLocked(Rect r) {
  r = r.intersected(image_.bounds());
  drawn_ = drawn_.united(r);
  dirty_ = dirty_.united(r);
}

void Canvas::drawPoint(int x, int y, ColourValue c) {
  std::lock_guard lock(mutex_);
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || !image_.contains(x, y)) return;
  image_.set(x, y, c);
  markDrawnLocked({x, y, x + 1, y + 1});
}

ColourValue Canvas::readLocked(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
  if (persistence_ == Persistence::Persistent) return image_.atOrBlack(x, y);
  if (hasPicture_) {
    if (placement_ == BackgroundPlacement::Tiled)
      return picture_.at(x % picture_.width(), y % picture_.height());
    if (picture_.contains(x, y)) return picture_.at(x, y);
  }
  return background_;
}

ColourValue Canvas::pixel(int x, int y) const {
  std::lock_guard lock(mutex_);
  return readLocked(x, y);
}

void Canvas::pixels(std::span<const Point> at, std::span<ColourValue> out) const {
  std::lock_guard lock(mutex_);
  for (std::size_t i = 0; i < at.size() && i < out.size(); ++i)
    out[i] = readLocked(at[i].x, at[i].y);
}

PictureBytes Canvas::getPicture() const {
  std::lock_guard lock(mutex_);
  if (persistence_ == Persistence::Persistent) return encodePicture(image_);
  if (width_ <= 0 || height_ <= 0) return {};
  Raster shown(width_, height_);
  renderBackgroundLocked(shown, shown.bounds());
  return encodePicture(shown);
}

void Canvas::setPenColour(ColourValue c) {
  std::lock_guard lock(mutex_);
  pen_ = c;
}

void Canvas::setBrushStyle(BrushStyle s) {
  std::lock_guard lock(mutex_);
  brush_ = s;
}

void Canvas::setBrushColour(ColourValue c) {
  std::lock_guard lock(mutex_);
  brushColour_ = c;
}

void Canvas::drawRectangle(int x1, int y1, int x2, int y2) {
  std::lock_guard lock(mutex_);
  const int left = std::min(x1, x2);
  const int right = std::max(x1, x2);
  const int top = std::min(y1, y2);
  const int bottom = std::max(y1, y2);
  if (left == right || top == bottom) return;
  const Rect all{left, top, right, bottom};
  if (brush_ == BrushStyle::Solid)
    image_.fillRect({left + 1, top + 1, right - 1, bottom - 1}, brushColour_);
  image_.fillRect({left, top, right, top + 1}, pen_);
  image_.fillRect({left, bottom - 1, right, bottom}, pen_);
  image_.fillRect({left, top, left + 1, bottom}, pen_);
  image_.fillRect({right - 1, top, right, bottom}, pen_);
  markDrawnLocked(all);
}

void Canvas::copyBlockFrom(const Canvas& source, int x, int y, int w, int h, int dx, int dy) {
  if (w <= 0 || h <= 0) return;
  if (&source == this) {
    std::lock_guard lock(mutex_);
    Raster block(w, h);
    block.blit(image_, x, y, w, h, 0, 0);
    image_.blit(block, 0, 0, w, h, dx, dy);
    markDrawnLocked({dx, dy, dx + w, dy + h});
    return;
  }
  std::scoped_lock lock(mutex_, source.mutex_);
  image_.blit(source.image_, x, y, w, h, dx, dy);
  markDrawnLocked({dx, dy, dx + w, dy + h});
}

Rect Canvas::takeDirty() {
  std::lock_guard lock(mutex_);
  Rect d = dirty_;
  dirty_ = {};
  return d;
}

}  // namespace qirvo
