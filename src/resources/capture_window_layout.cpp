#include "resources/capture_window_layout.h"

namespace qirvo {

namespace {

// Both canvases cover the whole screen once set-up sizes them, keep what is drawn on them
// and tile their background picture over a white ground.
ControlLayout fullScreenCanvas(const char* name) {
  return {.name = name,
          .kind = ControlKind::Canvas,
          .left = 0,
          .top = 0,
          .width = 0,
          .height = 0,
          .text = "",
          .store = CanvasStore::Persistent,
          .placement = CanvasPlacement::Tiled,
          .background = kWhite};
}

}  // namespace

const WindowLayout& captureWindowLayout() {
  // Sizes are 0 here: set-up gives the window and both canvases the screen's size. The
  // overlay 画板1 is made last, so it lies above the clean snapshot 画板2.
  static const WindowLayout layout{"",
                                   WindowStyle::BorderlessTopmost,
                                   0,
                                   0,
                                   {fullScreenCanvas("画板2"), fullScreenCanvas("画板1")}};
  return layout;
}

}  // namespace qirvo
