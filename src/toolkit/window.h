#pragma once
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/control.h"
#include "toolkit/layout.h"

namespace qirvo {

class Platform;

enum class WindowState { Closed, Open, Closing };

// A window built from a layout: its controls in creation order and its two lifecycle
// handlers. The core owns it; the backend shows it.
class Window {
 public:
  explicit Window(const WindowLayout& layout);

  const std::string& title() const { return title_; }
  WindowStyle style() const { return style_; }
  int clientWidth() const { return clientWidth_; }
  int clientHeight() const { return clientHeight_; }
  void setClientArea(int left, int top, int width, int height);
  Rect clientRect() const { return {left_, top_, left_ + clientWidth_, top_ + clientHeight_}; }

  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  // The control of that name; a missing name is a programming error and aborts.
  Control& control(std::string_view name) const;
  Canvas& canvas(std::string_view name) const { return *control(name).canvas(); }
  // The control's top-left corner in client coordinates, through its holders.
  Point clientOrigin(const Control& c) const;

  WindowState state() const { return state_; }
  bool isOpen() const { return state_ == WindowState::Open; }

  std::function<void()> onCreated;
  std::function<void()> onDestroyed;

  // Lifecycle steps, driven by openWindow / requestClose and the backend.
  void markOpen() { state_ = WindowState::Open; }
  void markClosing() { state_ = WindowState::Closing; }
  void markClosed() { state_ = WindowState::Closed; }

 private:
  std::string title_;
  WindowStyle style_;
  int left_ = 0;
  int top_ = 0;
  int clientWidth_;
  int clientHeight_;
  std::vector<std::unique_ptr<Control>> controls_;
  WindowState state_ = WindowState::Closed;
};

// Opens `w`: the backend makes its native view, the created handler runs, then it shows.
// An open window is only brought to the front.
void openWindow(Platform& platform, Window& w);
// Queues a close; it takes effect after the running handler returns. Repeats are harmless.
void requestClose(Platform& platform, Window& w);

}  // namespace qirvo
