#pragma once
#include <memory>

#include "app/app_state.h"
#include "picture/raster.h"
#include "toolkit/platform.h"
#include "toolkit/window.h"

namespace qirvo {

// The region-capture editor. CaptureWindow covers the screen with the clean snapshot
// (画板2) under a dimmed copy (画板1); the handlers of 画板1 edit the selection held in
// AppState, and a double-click inside it makes the captured picture and shows it in
// MainWindow's 画板2.
//
// The window model is made once and reused for every capture; set-up puts back everything
// a previous capture changed on it.
class CaptureController {
 public:
  CaptureController(Platform& platform, AppState& state, Window& mainWindow);
  CaptureController(const CaptureController&) = delete;
  CaptureController& operator=(const CaptureController&) = delete;

  // Opens CaptureWindow. An open one is only brought to the front, keeping its snapshot
  // and selection; a close still pending is completed first.
  void beginCapture();
  Window& captureWindow() { return *window_; }

  // The created handler runs these two in this order, before the window shows.
  void resetCaptureState();
  void setUpCapture();

  // Clears the overlay, draws the outline from (x1, y1) to (x2, y2), makes it the
  // selection (if it is a rectangle) and shows the clean snapshot inside.
  void refreshOverlay(int x1, int y1, int x2, int y2);
  // Keeps hitRegion and the overlay's pointer in step with what lies under (x, y).
  void hitTestSelection(int x, int y);
  // The double-click handler: a click inside the selection (edges included) captures.
  void finishCapture(int x, int y);
  // The screen's pixels in (left, top, right, bottom) as the clean snapshot shows them,
  // cut at the screen's edges; empty when nothing is left.
  PictureBytes grabRegion(int left, int top, int right, int bottom);

  // Handlers of 画板1.
  void onLeftPress(int x, int y);
  void onMouseMove(int x, int y);
  void onLeftRelease(int x, int y);
  void onKeyDown(int key, int modifiers);
  void onWheel(int notches);
  void onRightPress();

 private:
  Control& overlayControl() const;
  Canvas& overlay() const;
  const Canvas& clean() const;
  void enterRegion(HitRegion region);
  const PointerShape& pointerInSlot(int slot) const;

  Platform& platform_;
  AppState& state_;
  Window& mainWindow_;
  std::unique_ptr<Window> window_;
  // The screen as it was when the window opened; what 画板2 shows.
  Raster frozenScreen_;
};

}  // namespace qirvo
