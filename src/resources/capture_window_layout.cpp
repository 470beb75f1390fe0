#include "resources/capture_window_layout.h"

namespace qirvo {

const WindowLayout& captureWindowLayout() {
  // Sizes are 0 here: set-up gives the window and both canvases the screen's size.
  static const WindowLayout layout{"",
                                   WindowStyle::BorderlessTopmost,
                                   0,
                                   0,
                                   {
                                       {.name = "画板2",
                                        .kind = ControlKind::Canvas,
                                        .left = 0,
                                        .top = 0,
                                        .width = 0,
                                        .height = 0,
                                        .text = "",
                                        .store = CanvasStore::Persistent,
                                        .placement = CanvasPlacement::Tiled,
                                        .background = kWhite},
                                       {.name = "画板1",
                                        .kind = ControlKind::Canvas,
                                        .left = 0,
                                        .top = 0,
                                        .width = 0,
                                        .height = 0,
                                        .text = "",
                                        .store = CanvasStore::Persistent,
                                        .placement = CanvasPlacement::Tiled,
                                        .background = kWhite},
                                   }};
  return layout;
}

}  // namespace qirvo
