#pragma once
#include <array>
#include <atomic>
#include <filesystem>
#include <memory>

#include "app/workers.h"
#include "capture/selection_types.h"
#include "picture/colour_value.h"
#include "picture/picture_bytes.h"
#include "picture/pixel_reader.h"
#include "toolkit/pointer_shape.h"

namespace qirvo {

inline constexpr int kPointerSlots = 6;
using PointerTable = std::array<PointerShape, kPointerSlots>;

// The one program-wide record. Everything starts zero, empty or without a thread.
struct AppState {
  PictureBytes capturedPicture;
  // Atomic because a running colour-key pass reads them while a new capture may set them.
  std::atomic<int> capturedWidth = 0;
  std::atomic<int> capturedHeight = 0;
  bool transparentMade = false;

  // Per-capture editing state; reset or refilled each time the capture window opens.
  SelectionRect selection{};
  bool buttonDown = false;
  bool selectionExists = false;
  DragMode dragMode = DragMode::New;
  HitRegion hitRegion = HitRegion::None;
  Point pressPoint{};
  Point anchorPoint{};
  SelectionRect rectAtPress{};
  SelectionRect workRect{};
  ColourValue borderColour = 0;
  ColourValue handleColour = 0;
  std::unique_ptr<PointerTable> pointerTable;
  PictureBytes screenSnapshot;

  std::unique_ptr<PixelReader> pixelReader;
  WorkerHandle keyingThread;
  WorkerHandle despeckleThread;

  int captureHotkeyId = 0;
  std::array<int, 4> nudgeHotkeyIds{};
  bool magnifierCloseRequested = false;

  std::filesystem::path runDirectory;
};

}  // namespace qirvo
