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
  std::erase(shown_, &w);
  shown_.push_back(&w);
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
  std::erase(shown_, &w);
  finishClose(w);
}

Point SimPlatform::toScreen(const Window& w, const Control& c, Point p) const {
  Rect client = w.clientRect();
  Point o = w.clientOrigin(c);
  return {client.left + o.x + p.x, client.top + o.y + p.y};
}

Raster SimPlatform::composeScreen() const {
  Raster screen = desktop_;
  for (const Window* w : shown_) {
    const Rect client = w->clientRect();
    screen.fillRect(client, kWindowFace);
    for (const auto& c : w->controls()) {
      if (!c->visible()) continue;
      // A child shows only inside its holder.
      Rect clip = client;
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
      Raster face;
      if (const Canvas* canvas = c->canvas()) {
        canvas->withShown([&](const Raster& img) { face = img; });
        face = [&] {
          Raster cut(canvas->width(), canvas->height());
          cut.blit(face, 0, 0, cut.width(), cut.height(), 0, 0);
          return cut;
        }();
      } else if (c->kind() == ControlKind::PictureBox) {
        if (auto pic = decodePicture(c->picture())) face = std::move(*pic);
      } else {
        continue;
      }
      Rect target = Rect{left, top, left + face.width(), top + face.height()}.intersected(clip);
      if (target.isEmpty()) continue;
      screen.blit(face, target.left - left, target.top - top, target.width(), target.height(),
                  target.left, target.top);
    }
  }
  return screen;
}

Raster SimPlatform::grabScreen(Rect r) {
  Raster screen = composeScreen();
  Raster out(r.width(), r.height());
  out.blit(screen, r.left, r.top, r.width(), r.height(), 0, 0);
  return out;
}

ColourValue SimPlatform::pixelUnderPointer() {
  return composeScreen().atOrBlack(pointer_.x, pointer_.y);
}

void SimPlatform::setPointerPosition(Point p) {
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
