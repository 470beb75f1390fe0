#include "toolkit/window.h"

#include <cstdio>
#include <cstdlib>

#include "toolkit/platform.h"

namespace qirvo {

Window::Window(const WindowLayout& layout)
    : title_(layout.title),
      style_(layout.style),
      clientWidth_(layout.clientWidth),
      clientHeight_(layout.clientHeight) {
  controls_.reserve(layout.controls.size());
  for (const auto& c : layout.controls) controls_.push_back(std::make_unique<Control>(c));
}

void Window::setClientArea(int left, int top, int width, int height) {
  left_ = left;
  top_ = top;
  clientWidth_ = width;
  clientHeight_ = height;
}

Control& Window::control(std::string_view name) const {
  for (const auto& c : controls_)
    if (c->name() == name) return *c;
  std::fprintf(stderr, "no control named %.*s\n", static_cast<int>(name.size()), name.data());
  std::abort();
}

Point Window::clientOrigin(const Control& c) const {
  Rect g = c.geometry();
  Point p{g.left, g.top};
  if (!c.parentName().empty()) {
    Point q = clientOrigin(control(c.parentName()));
    p.x += q.x;
    p.y += q.y;
  }
  return p;
}

void openWindow(Platform& platform, Window& w) {
  if (w.state() == WindowState::Open) {
    platform.bringToFront(w);
    return;
  }
  if (w.state() == WindowState::Closing) platform.completeClose(w);
  platform.createWindow(w);
  w.markOpen();
  if (w.onCreated) w.onCreated();
  platform.showWindow(w);
}

void requestClose(Platform& platform, Window& w) {
  if (w.state() != WindowState::Open) return;
  w.markClosing();
  platform.postClose(w);
}

}  // namespace qirvo

namespace qirvo {

void finishClose(Window& w) {
  if (w.state() == WindowState::Closed) return;
  w.markClosed();
  if (w.onDestroyed) w.onDestroyed();
}

}  // namespace qirvo
