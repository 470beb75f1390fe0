#pragma once
// The simulated backend: an in-memory screen on which shown windows' canvases are
// composed, scripted message-box answers, and a queue of posted work that stands in for
// the event loop. Tests drive input by calling the core's handlers through it. It draws
// only canvases and picture boxes; other controls leave the window's face colour.
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/platform.h"
#include "toolkit/window.h"

namespace qirvo {

class SimPlatform : public Platform {
 public:
  struct ShownMessage {
    std::string text;
    MessageButtons buttons;
  };
  static constexpr ColourValue kWindowFace = 0xF0F0F0;

  explicit SimPlatform(int screenWidth = 1024, int screenHeight = 768);

  // The desktop under all windows.
  Raster& desktop() { return desktop_; }
  // Desktop with every shown window composed over it, as a screen grab would see it.
  Raster composeScreen() const;

  void createWindow(Window& w) override;
  void showWindow(Window& w) override;
  void bringToFront(Window& w) override;
  void postClose(Window& w) override;
  void completeClose(Window& w) override;

  ScreenSize screenSize() override { return {desktop_.width(), desktop_.height()}; }
  Raster grabScreen(Rect r) override;
  ColourValue pixelUnderPointer() override;
  Point pointerPosition() override;
  void setPointerPosition(Point p) override;

  MessageAnswer messageBox(const std::string& text, MessageButtons buttons) override;
  void processPendingEvents() override;
  bool inputPending() override { return false; }
  int run() override;
  void exitProcess(int code) override { exitCode_ = code; }

  // Scripting.
  void answerNext(MessageAnswer a) { answers_.push_back(a); }
  const std::vector<ShownMessage>& messages() const { return messages_; }
  std::optional<int> exitCode() const { return exitCode_; }
  std::vector<Window*> shownWindows() const;
  int frontRaises() const { return frontRaises_; }
  // Screen position of a point in a control's client coordinates.
  Point toScreen(const Window& w, const Control& c, Point p) const;

 private:
  // The screen's pixels in `area`, which may reach beyond the screen (read as black).
  Raster composeArea(Rect area) const;

  Raster desktop_;
  // Workers read the screen (the key colour under the pointer) while the test thread
  // moves the pointer and shows windows.
  mutable std::mutex screenMutex_;
  std::vector<Window*> shown_;  // bottom to top
  std::deque<std::function<void()>> posted_;
  std::deque<MessageAnswer> answers_;
  std::vector<ShownMessage> messages_;
  std::optional<int> exitCode_;
  Point pointer_{};
  int frontRaises_ = 0;
};

}  // namespace qirvo
