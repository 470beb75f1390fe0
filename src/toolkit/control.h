#pragma once
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "picture/colour_value.h"
#include "picture/picture_bytes.h"
#include "picture/rect.h"
#include "toolkit/canvas.h"
#include "toolkit/keys.h"
#include "toolkit/layout.h"
#include "toolkit/pointer_shape.h"

namespace qirvo {

// The core's handlers of one control. A backend turns native input into these calls on
// the user-interface thread and decides nothing itself.
struct ControlHandlers {
  std::function<void()> clicked;
  std::function<void(int x, int y)> leftPress;
  std::function<void(int x, int y)> leftRelease;
  std::function<void(int x, int y)> mouseMove;
  std::function<void(int x, int y)> doubleClick;
  std::function<void(int x, int y)> rightPress;
  std::function<void(int key, int modifiers)> keyDown;
  std::function<void(int notches)> wheel;
  std::function<void(int index)> itemChosen;
  std::function<void()> colourChosen;
};

// The model of one control. Properties are guarded by the control's lock and may be read
// or written from any thread; every change raises `version()`, which a backend compares to
// know what to refresh.
class Control {
 public:
  explicit Control(const ControlLayout& layout);

  const std::string& name() const { return name_; }
  ControlKind kind() const { return kind_; }
  const std::string& parentName() const { return parent_; }
  BorderStyle border() const { return border_; }

  Rect geometry() const;  // left, top, right, bottom relative to the parent
  void setGeometry(int left, int top, int width, int height);
  void move(int left, int top);

  std::string text() const;
  void setText(std::string text);
  std::vector<std::string> items() const;
  int currentIndex() const;
  // Makes item `index` current; for a combo box it also sets the text.
  void setCurrentIndex(int index);
  bool checked() const;
  void setChecked(bool on);
  ColourValue colour() const;
  void setColour(ColourValue c);
  bool visible() const;
  void setVisible(bool on);
  PictureBytes picture() const;
  void setPicture(PictureBytes picture);
  PointerShape pointer() const;
  void setPointer(PointerShape shape);

  // Present for canvases only.
  Canvas* canvas() { return canvas_.get(); }
  const Canvas* canvas() const { return canvas_.get(); }

  std::uint64_t version() const { return version_.load(std::memory_order_acquire); }

  ControlHandlers on;

 private:
  void bump() { version_.fetch_add(1, std::memory_order_acq_rel); }

  const std::string name_;
  const ControlKind kind_;
  const std::string parent_;
  const BorderStyle border_;
  mutable std::mutex mutex_;
  Rect geometry_;
  std::string text_;
  std::vector<std::string> items_;
  int currentIndex_ = -1;
  bool checked_ = false;
  ColourValue colour_ = kBlack;
  bool visible_ = true;
  PictureBytes picture_;
  PointerShape pointer_;
  std::unique_ptr<Canvas> canvas_;
  std::atomic<std::uint64_t> version_{1};
};

}  // namespace qirvo
