#include "capture/capture_controller.h"

#include "capture/capture_pointers.h"
#include "capture/dim_picture.h"
#include "capture/grab_region.h"
#include "capture/hit_test.h"
#include "capture/selection_drawing.h"
#include "capture/selection_edit.h"
#include "resources/capture_window_layout.h"

namespace qirvo {

namespace {

// Outline and handles: red 96, green 200, blue 253.
constexpr ColourValue kSelectionColour = 16631904;
// The captured picture reaches this far beyond the selection's right and bottom edges.
constexpr int kCaptureMargin = 100;

}  // namespace

CaptureController::CaptureController(Platform& platform, AppState& state, Window& mainWindow)
    : platform_(platform),
      state_(state),
      mainWindow_(mainWindow),
      window_(std::make_unique<Window>(captureWindowLayout())) {
  window_->onCreated = [this] {
    resetCaptureState();
    setUpCapture();
  };
  ControlHandlers& on = overlayControl().on;
  on.leftPress = [this](int x, int y) { onLeftPress(x, y); };
  on.mouseMove = [this](int x, int y) { onMouseMove(x, y); };
  on.leftRelease = [this](int x, int y) { onLeftRelease(x, y); };
  on.doubleClick = [this](int x, int y) { finishCapture(x, y); };
  on.keyDown = [this](int key, int modifiers) { onKeyDown(key, modifiers); };
  on.wheel = [this](int notches) { onWheel(notches); };
  on.rightPress = [this](int, int) { onRightPress(); };
}

Control& CaptureController::overlayControl() const {
  return window_->control("画板1");
}

Canvas& CaptureController::overlay() const {
  return window_->canvas("画板1");
}

const Canvas& CaptureController::clean() const {
  return window_->canvas("画板2");
}

const PointerShape& CaptureController::pointerInSlot(int slot) const {
  static const PointerShape kDefault;
  return state_.pointerTable ? (*state_.pointerTable)[static_cast<std::size_t>(slot)] : kDefault;
}

void CaptureController::beginCapture() {
  openWindow(platform_, *window_);
}

void CaptureController::resetCaptureState() {
  state_.selectionExists = false;
  state_.buttonDown = false;
  state_.dragMode = DragMode::New;
  state_.selection = {0, 0, 0, 0};
  // The table is filled only by set-up, so the first capture of a run leaves the default.
  window_->control("画板2").setPointer(pointerInSlot(0));
}

void CaptureController::setUpCapture() {
  if (state_.pointerTable) fillPointerTable(*state_.pointerTable);

  // The window is not shown yet, so this is the screen as the user last saw it.
  const ScreenSize screen = platform_.screenSize();
  frozenScreen_ = platform_.grabScreen({0, 0, screen.width, screen.height});
  state_.screenSnapshot = encodePicture(frozenScreen_);

  window_->setClientArea(0, 0, screen.width, screen.height);
  Control& cleanControl = window_->control("画板2");
  Control& overlayCtl = overlayControl();
  cleanControl.canvas()->setBackgroundPicture(state_.screenSnapshot);
  overlayCtl.setGeometry(0, 0, screen.width, screen.height);
  cleanControl.setGeometry(0, 0, screen.width, screen.height);
  // A finished capture hid the overlay of this reused window.
  overlayCtl.setVisible(true);
  overlayCtl.canvas()->setBackgroundPicture(dimPicture(state_.screenSnapshot));
  overlayCtl.setPointer(pointerInSlot(0));
  platform_.processPendingEvents();

  state_.borderColour = kSelectionColour;
  state_.handleColour = kSelectionColour;
}

void CaptureController::refreshOverlay(int x1, int y1, int x2, int y2) {
  // clear() restores only what the last refresh drew, so a move costs the size of the
  // old and the new selection, not of the screen.
  Canvas& o = overlay();
  o.clear();
  drawSelection(o, x1, y1, x2, y2, state_.borderColour, state_.handleColour);
  normaliseSelection(state_.selection, x1, y1, x2, y2);
  copyCleanInterior(clean(), o, state_.selection);
  platform_.processPendingEvents();
}

void CaptureController::enterRegion(HitRegion region) {
  if (region == state_.hitRegion) return;
  state_.hitRegion = region;
  overlayControl().setPointer(pointerInSlot(pointerSlotOf(region)));
}

void CaptureController::hitTestSelection(int x, int y) {
  enterRegion(hitRegionAt(state_.selection, x, y));
  platform_.processPendingEvents();
}

void CaptureController::onLeftPress(int x, int y) {
  state_.pressPoint = {x, y};
  state_.buttonDown = true;
  if (state_.selectionExists) {
    state_.rectAtPress = state_.selection;
    // Judge the press point itself. The region of the last movement may be gone (every
    // release clears it, and a double-click presses again without moving) or stale (keys
    // and the wheel move the selection under a still pointer); a press must move, resize
    // or start anew by what is under the pointer now, never replay an old drag.
    enterRegion(hitRegionAt(state_.selection, x, y));
    if (state_.hitRegion != HitRegion::Outside) {
      state_.anchorPoint = {x, y};
      state_.dragMode = DragMode::Drag;
      return;
    }
  }
  state_.selectionExists = false;
  state_.dragMode = DragMode::New;
}

void CaptureController::onMouseMove(int x, int y) {
  if (state_.buttonDown) {
    if (state_.dragMode != DragMode::Drag) {
      refreshOverlay(state_.pressPoint.x, state_.pressPoint.y, x, y);
      return;
    }
    state_.workRect = dragRect(state_.hitRegion, state_.rectAtPress, x - state_.anchorPoint.x,
                               y - state_.anchorPoint.y, state_.workRect, platform_.screenSize());
    const SelectionRect r = state_.workRect;
    refreshOverlay(r.left, r.top, r.right, r.bottom);
    return;
  }
  if (state_.selectionExists) hitTestSelection(x, y);
}

void CaptureController::onLeftRelease(int x, int y) {
  if (!state_.buttonDown) return;
  state_.buttonDown = false;
  state_.selectionExists = true;
  state_.hitRegion = HitRegion::None;
  // An edit drag's last movement has already set the selection.
  if (state_.dragMode != DragMode::Drag)
    normaliseSelection(state_.selection, state_.pressPoint.x, state_.pressPoint.y, x, y);
}

void CaptureController::onKeyDown(int key, int modifiers) {
  state_.selection = arrowKeyEdit(state_.selection, key, modifiers, platform_.screenSize());
  const SelectionRect s = state_.selection;
  refreshOverlay(s.left, s.top, s.right, s.bottom);
}

void CaptureController::onWheel(int notches) {
  if (!state_.selectionExists) return;
  const auto next = wheelEdit(state_.selection, notches, platform_.screenSize());
  if (!next) return;
  state_.selection = *next;
  refreshOverlay(next->left, next->top, next->right, next->bottom);
}

void CaptureController::onRightPress() {
  requestClose(platform_, *window_);
}

void CaptureController::finishCapture(int x, int y) {
  if (!state_.selectionExists) return;
  const SelectionRect s = state_.selection;
  if (x < s.left || x > s.right || y < s.top || y > s.bottom) return;

  overlayControl().setVisible(false);
  platform_.processPendingEvents();

  PictureBytes picture =
      grabRegion(s.left, s.top, s.right + kCaptureMargin, s.bottom + kCaptureMargin);
  state_.capturedWidth = s.width();
  state_.capturedHeight = s.height();
  state_.capturedPicture = picture;

  // Sized to the selection, the source canvas shows just that part of the larger picture.
  Control& source = mainWindow_.control("画板2");
  const Rect at = source.geometry();
  source.setGeometry(at.left, at.top, state_.capturedWidth, state_.capturedHeight);
  source.canvas()->setBackgroundPicture(picture);

  requestClose(platform_, *window_);
}

PictureBytes CaptureController::grabRegion(int left, int top, int right, int bottom) {
  const Rect area = grabArea(left, top, right, bottom, platform_.screenSize());
  if (area.isEmpty()) return {};
  // Read from the frozen snapshot: it is exactly what the screen shows while 画板2 covers
  // it, and reading it cannot race the display server's repaint after the overlay hid.
  PictureBytes picture = pictureOf(frozenScreen_, area);
  platform_.processPendingEvents();
  return picture;
}

}  // namespace qirvo
