#include "toolkit/control.h"

namespace qirvo {

Control::Control(const ControlLayout& layout)
    : name_(layout.name),
      kind_(layout.kind),
      parent_(layout.parent),
      border_(layout.border),
      geometry_{layout.left, layout.top, layout.left + layout.width, layout.top + layout.height},
      text_(layout.text),
      items_(layout.items),
      visible_(layout.visible) {
  if (kind_ == ControlKind::Canvas) {
    canvas_ = std::make_unique<Canvas>(
        layout.width, layout.height,
        layout.store == CanvasStore::Persistent ? Persistence::Persistent : Persistence::Transient,
        layout.placement == CanvasPlacement::Tiled ? BackgroundPlacement::Tiled
                                                   : BackgroundPlacement::TopLeft);
    canvas_->setBackgroundColour(layout.background);
  }
  // A drop-down list shows nothing until an item is chosen; item 0 is its usual start.
  if (kind_ == ControlKind::ComboList && !items_.empty()) {
    currentIndex_ = 0;
    text_ = items_[0];
  }
}

Rect Control::geometry() const {
  if (canvas_) {
    // A canvas's size lives in its picture model; the control keeps only the place.
    std::lock_guard lock(mutex_);
    return {geometry_.left, geometry_.top, geometry_.left + canvas_->width(),
            geometry_.top + canvas_->height()};
  }
  std::lock_guard lock(mutex_);
  return geometry_;
}

void Control::setGeometry(int left, int top, int width, int height) {
  {
    std::lock_guard lock(mutex_);
    geometry_ = {left, top, left + width, top + height};
  }
  if (canvas_) canvas_->setSize(width, height);
  bump();
}

void Control::move(int left, int top) {
  {
    std::lock_guard lock(mutex_);
    geometry_ = {left, top, left + geometry_.width(), top + geometry_.height()};
  }
  bump();
}

std::string Control::text() const {
  std::lock_guard lock(mutex_);
  return text_;
}

void Control::setText(std::string text) {
  {
    std::lock_guard lock(mutex_);
    if (text_ == text) return;
    text_ = std::move(text);
  }
  bump();
}

std::vector<std::string> Control::items() const {
  std::lock_guard lock(mutex_);
  return items_;
}

int Control::currentIndex() const {
  std::lock_guard lock(mutex_);
  return currentIndex_;
}

void Control::setCurrentIndex(int index) {
  {
    std::lock_guard lock(mutex_);
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    currentIndex_ = index;
    text_ = items_[index];
  }
  bump();
}

bool Control::checked() const {
  std::lock_guard lock(mutex_);
  return checked_;
}

void Control::setChecked(bool on) {
  {
    std::lock_guard lock(mutex_);
    if (checked_ == on) return;
    checked_ = on;
  }
  bump();
}

ColourValue Control::colour() const {
  std::lock_guard lock(mutex_);
  return colour_;
}

void Control::setColour(ColourValue c) {
  {
    std::lock_guard lock(mutex_);
    if (colour_ == c) return;
    colour_ = c;
  }
  bump();
}

bool Control::visible() const {
  std::lock_guard lock(mutex_);
  return visible_;
}

void Control::setVisible(bool on) {
  {
    std::lock_guard lock(mutex_);
    if (visible_ == on) return;
    visible_ = on;
  }
  bump();
}

PictureBytes Control::picture() const {
  std::lock_guard lock(mutex_);
  return picture_;
}

void Control::setPicture(PictureBytes picture) {
  {
    std::lock_guard lock(mutex_);
    picture_ = std::move(picture);
  }
  bump();
}

PointerShape Control::pointer() const {
  std::lock_guard lock(mutex_);
  return pointer_;
}

void Control::setPointer(PointerShape shape) {
  {
    std::lock_guard lock(mutex_);
    if (pointer_ == shape) return;
    pointer_ = std::move(shape);
  }
  bump();
}

}  // namespace qirvo
