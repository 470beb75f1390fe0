#include "toolkit/sim/sim_platform.h"

#include <algorithm>

namespace qirvo {

SimPlatform::SimPlatform(int screenWidth, int screenHeight)
    : desktop_(screenWidth, screenHeight, makeColour(0x3A, 0x6E, 0xA5)) {}

void SimPlatform::createWindow(Window& w) {
  if (w.style() == WindowStyle::FixedDialog) {
    w.setClientArea((desktop_.width() - w.clientWidth()) / 2,
                    (desktop_.height() - w.clientHeight()) / 2, w.clientWidth(), w.clientHeight());
  }
}

void SimPlatform::showWindow(Window& w) {
  std::lock_guard lock(screenMutex_);
  std::erase(shown_, &w);
  shown_.push_back(&w);
}

std::vector<Window*> SimPlatform::shownWindows() const {
  std::lock_guard lock(screenMutex_);
  return shown_;
}

void SimPlatform::bringToFront(Window& w) {
  ++frontRaises_;
  showWindow(w);
}

void SimPlatform::postClose(Window& w) {
  posted_.push_back([this, &w] { completeClose(w); });
}

void SimPlatform::completeClose(Window& w) {
  if (w.state() != WindowState::Closing) return;
  {
    std::lock_guard lock(screenMutex_);
    std::erase(shown_, &w);
  }
  finishClose(w);
}

Point SimPlatform::toScreen(const Window& w, const Control& c, Point p) const {
  Rect client = w.clientRect();
  Point o = w.clientOrigin(c);
  return {client.left + o.x + p.x, client.top + o.y + p.y};
}

Raster SimPlatform::composeScreen() const {
  return composeArea(desktop_.bounds());
}

Raster SimPlatform::composeArea(Rect area) const {
  Raster screen(area.width(), area.height());
  screen.blit(desktop_, area.left, area.top, area.width(), area.height(), 0, 0);
  // Copies the part of `face` placed at (left, top) on the screen that lies in `target`.
  auto put = [&](const Raster& face, int left, int top, Rect target) {
    screen.blit(face, target.left - left, target.top - top, target.width(), target.height(),
                target.left - area.left, target.top - area.top);
  };
  for (const Window* w : shownWindows()) {
    const Rect client = w->clientRect();
    const Rect face = client.intersected(area);
    screen.fillRect({face.left - area.left, face.top - area.top, face.right - area.left,
                     face.bottom - area.top},
                    kWindowFace);
    for (const auto& c : w->controls()) {
      if (!c->visible()) continue;
      // A child shows only inside its holder.
      Rect clip = client.intersected(area);
      for (const Control* holder = c.get(); !holder->parentName().empty();) {
        holder = &w->control(holder->parentName());
        const Point ho = w->clientOrigin(*holder);
        const Rect hg = holder->geometry();
        clip = clip.intersected({client.left + ho.x, client.top + ho.y,
                                 client.left + ho.x + hg.width(), client.top + ho.y + hg.height()});
      }
      const Point o = w->clientOrigin(*c);
      const int left = client.left + o.x;
      const int top = client.top + o.y;
      if (const Canvas* canvas = c->canvas()) {
        const Rect target =
            Rect{left, top, left + canvas->width(), top + canvas->height()}.intersected(clip);
        if (!target.isEmpty())
          canvas->withShown([&](const Raster& img) { put(img, left, top, target); });
      } else if (c->kind() == ControlKind::PictureBox) {
        if (auto pic = decodePicture(c->picture())) {
          const Rect target =
              Rect{left, top, left + pic->width(), top + pic->height()}.intersected(clip);
          if (!target.isEmpty()) put(*pic, left, top, target);
        }
      }
    }
  }
  return screen;
}

Raster SimPlatform::grabScreen(Rect r) {
  return composeArea(r);
}

ColourValue SimPlatform::pixelUnderPointer() {
  const Point p = pointerPosition();
  return composeArea({p.x, p.y, p.x + 1, p.y + 1}).at(0, 0);
}

Point SimPlatform::pointerPosition() {
  std::lock_guard lock(screenMutex_);
  return pointer_;
}

void SimPlatform::setPointerPosition(Point p) {
  std::lock_guard lock(screenMutex_);
  pointer_ = {std::clamp(p.x, 0, desktop_.width() - 1), std::clamp(p.y, 0, desktop_.height() - 1)};
}

MessageAnswer SimPlatform::messageBox(const std::string& text, MessageButtons buttons) {
  messages_.push_back({text, buttons});
  MessageAnswer a = buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Yes;
  if (!answers_.empty()) {
    a = answers_.front();
    answers_.pop_front();
  }
  return a;
}

void SimPlatform::processPendingEvents() {
  while (!posted_.empty()) {
    auto task = std::move(posted_.front());
    posted_.pop_front();
    task();
  }
}

int SimPlatform::run() {
  processPendingEvents();
  return exitCode_.value_or(0);
}

}  // namespace qirvo
