#include "../rect_printer.h"
#include "capture/dim_picture.h"
#include "picture/pixel_reader.h"
#include "resources/built_in_cursor.h"
#include "scenario_fixture.h"
#include "toolkit/keys.h"

namespace qirvo {
namespace {

constexpr ColourValue kSelectionColour = 16631904;

// Every desktop pixel different from its neighbours, so an offset by one shows.
ColourValue pattern(int x, int y) {
  return makeColour(x % 256, y % 256, (x / 256) * 16 + y / 256);
}

class Capture : public ScenarioTest {
 protected:
  Capture() {
    for (int y = 0; y < sim.desktop().height(); ++y)
      for (int x = 0; x < sim.desktop().width(); ++x) sim.desktop().set(x, y, pattern(x, y));
  }

  Window& captureWindow() { return app.capture().captureWindow(); }
  Control& overlayControl() { return captureWindow().control("画板1"); }
  Canvas& overlay() { return captureWindow().canvas("画板1"); }
  AppState& st() { return app.state(); }

  void open() { control("按钮1").on.clicked(); }
  void press(int x, int y) { overlayControl().on.leftPress(x, y); }
  void move(int x, int y) { overlayControl().on.mouseMove(x, y); }
  void release(int x, int y) { overlayControl().on.leftRelease(x, y); }
  void key(int k, int mods = kModNone) { overlayControl().on.keyDown(k, mods); }
  void wheel(int notches) { overlayControl().on.wheel(notches); }
  void drag(Point from, Point to) {
    press(from.x, from.y);
    move(to.x, to.y);
    release(to.x, to.y);
  }
  // Hover first, as a real pointer does, then drag.
  void hoverDrag(Point from, Point to) {
    move(from.x, from.y);
    drag(from, to);
  }
  void doubleClick(int x, int y) {
    press(x, y);
    release(x, y);
    overlayControl().on.doubleClick(x, y);
    release(x, y);
  }
  // Paints the desktop over so that a read of the live screen would show.
  void repaintDesktop() { sim.desktop().fill(makeColour(1, 2, 3)); }
};

TEST_F(Capture, OpeningFreezesTheScreenUnderADimmedCopy) {
  const Raster before = sim.composeScreen();
  open();
  Window& w = captureWindow();
  ASSERT_TRUE(w.isOpen());
  EXPECT_EQ(w.style(), WindowStyle::BorderlessTopmost);
  EXPECT_EQ(sim.shownWindows().back(), &w);
  EXPECT_EQ(w.clientRect(), (Rect{0, 0, 1024, 768}));
  ASSERT_EQ(w.controls().size(), 2u);
  EXPECT_EQ(w.controls()[0]->name(), "画板2");  // below
  EXPECT_EQ(w.controls()[1]->name(), "画板1");  // above
  for (const char* name : {"画板1", "画板2"}) {
    EXPECT_EQ(w.control(name).geometry(), (Rect{0, 0, 1024, 768})) << name;
    EXPECT_EQ(w.canvas(name).backgroundColour(), kWhite) << name;
  }

  EXPECT_EQ(st().screenSnapshot.size(), 54u + 3072u * 768u);
  EXPECT_EQ(decodePicture(st().screenSnapshot), before);
  const auto dimmed = decodePicture(dimPicture(st().screenSnapshot));
  EXPECT_EQ(sim.composeScreen(), *dimmed);
  EXPECT_EQ(w.canvas("画板2").getPicture(), st().screenSnapshot);

  // The first opening of a run finds the table empty for 画板2; 画板1 has the own arrow.
  EXPECT_EQ(w.control("画板2").pointer(), PointerShape{});
  EXPECT_EQ(overlayControl().pointer(), PointerShape::fromCursorFile(builtInCursorFile()));
  EXPECT_EQ((*st().pointerTable)[5], PointerShape::fromStandard(StandardPointer::SizeAll));
  EXPECT_EQ(st().borderColour, kSelectionColour);
  EXPECT_EQ(st().handleColour, kSelectionColour);
  EXPECT_EQ(st().selection, (Rect{0, 0, 0, 0}));
  EXPECT_FALSE(st().selectionExists);
}

TEST_F(Capture, DragMoveResizeKeysWheelAndDoubleClickMakeTheCapture) {
  const Raster before = sim.composeScreen();
  open();
  repaintDesktop();
  const Raster dimmed = *decodePicture(dimPicture(st().screenSnapshot));
  (void)overlay().takeDirty();

  // A new selection, drawn from the bottom-right to the top-left.
  press(300, 200);
  move(200, 120);
  EXPECT_EQ(st().selection, (Rect{200, 120, 300, 200}));
  EXPECT_EQ(overlay().takeDirty(), (Rect{198, 118, 302, 202}));  // the handles reach 2 beyond
  EXPECT_EQ(overlay().pixel(301, 159), kSelectionColour);
  move(100, 50);
  // Only the old and the new selection were repainted, not the screen.
  EXPECT_EQ(overlay().takeDirty(), (Rect{98, 48, 302, 202}));
  EXPECT_EQ(overlay().pixel(150, 120), before.at(150, 120));  // inside: clean
  EXPECT_EQ(overlay().pixel(301, 159), dimmed.at(301, 159));  // a handle of the first frame
  EXPECT_EQ(overlay().pixel(150, 50), kSelectionColour);      // outline
  EXPECT_EQ(overlay().pixel(50, 50), dimmed.at(50, 50));
  release(100, 50);
  EXPECT_EQ(st().selection, (Rect{100, 50, 300, 200}));
  EXPECT_TRUE(st().selectionExists);

  // Move it by its inside.
  move(150, 100);
  EXPECT_EQ(st().hitRegion, HitRegion::Inside);
  EXPECT_EQ(overlayControl().pointer(), PointerShape::fromStandard(StandardPointer::SizeAll));
  drag({150, 100}, {170, 110});
  EXPECT_EQ(st().selection, (Rect{120, 60, 320, 210}));
  EXPECT_EQ(st().hitRegion, HitRegion::None);

  // Drag the left edge past the right one: the selection turns over.
  move(121, 130);
  EXPECT_EQ(st().hitRegion, HitRegion::Left);
  EXPECT_EQ(overlayControl().pointer(), PointerShape::fromStandard(StandardPointer::SizeWE));
  drag({121, 130}, {401, 130});
  EXPECT_EQ(st().workRect, (Rect{400, 60, 320, 210}));
  EXPECT_EQ(st().selection, (Rect{320, 60, 400, 210}));

  key(kKeyRight);
  EXPECT_EQ(st().selection, (Rect{321, 60, 401, 210}));
  key(kKeyLeft, kModShift);
  key(kKeyDown);
  key(kKeyUp, kModShift);
  EXPECT_EQ(st().selection, (Rect{321, 61, 400, 210}));
  wheel(1);
  EXPECT_EQ(st().selection, (Rect{320, 60, 401, 211}));
  wheel(-1);
  wheel(2);
  EXPECT_EQ(st().selection, (Rect{321, 61, 400, 210}));
  EXPECT_EQ(overlay().pixel(330, 70), before.at(330, 70));

  doubleClick(350, 100);
  EXPECT_EQ(st().selection, (Rect{321, 61, 400, 210}));  // the first click moved nothing
  EXPECT_EQ(st().capturedWidth, 79);
  EXPECT_EQ(st().capturedHeight, 149);
  const auto picture = decodePicture(st().capturedPicture);
  ASSERT_TRUE(picture);
  ASSERT_EQ(picture->width(), 179);  // 100 more to the right and below
  ASSERT_EQ(picture->height(), 249);
  Raster expected(179, 249);
  expected.blit(before, 321, 61, 179, 249, 0, 0);
  EXPECT_EQ(*picture, expected);  // the frozen screen, not the repainted desktop

  Control& source = control("画板2");
  EXPECT_EQ(source.geometry(), (Rect{0, 0, 79, 149}));
  EXPECT_EQ(source.canvas()->pixel(0, 0), before.at(321, 61));
  EXPECT_EQ(source.canvas()->pixel(78, 148), before.at(399, 209));

  // The overlay hid before the grab, so the clean snapshot showed; the close is queued.
  EXPECT_FALSE(overlayControl().visible());
  EXPECT_EQ(captureWindow().state(), WindowState::Closing);
  sim.processPendingEvents();
  EXPECT_EQ(captureWindow().state(), WindowState::Closed);
  const auto shown = sim.shownWindows();
  EXPECT_EQ(std::count(shown.begin(), shown.end(), &captureWindow()), 0);
}

TEST_F(Capture, RightPressClosesAndKeepsThePreviousCapture) {
  open();
  drag({10, 10}, {60, 40});
  doubleClick(20, 20);
  sim.processPendingEvents();
  const PictureBytes captured = st().capturedPicture;
  const PictureBytes shown = control("画板2").canvas()->getPicture();

  open();
  drag({200, 200}, {400, 300});
  move(250, 250);
  overlayControl().on.rightPress(250, 250);
  sim.processPendingEvents();
  EXPECT_EQ(captureWindow().state(), WindowState::Closed);
  EXPECT_EQ(st().capturedPicture, captured);
  EXPECT_EQ(st().capturedWidth, 50);
  EXPECT_EQ(st().capturedHeight, 30);
  EXPECT_EQ(control("画板2").geometry(), (Rect{0, 0, 50, 30}));
  EXPECT_EQ(control("画板2").canvas()->getPicture(), shown);
  EXPECT_EQ(st().selection, (Rect{200, 200, 400, 300}));  // kept until the next opening
}

TEST_F(Capture, OpeningAgainWhileOpenOnlyBringsItToTheFront) {
  open();
  drag({10, 10}, {60, 40});
  const PictureBytes snapshot = st().screenSnapshot;
  repaintDesktop();
  open();
  EXPECT_EQ(sim.frontRaises(), 1);
  EXPECT_EQ(st().screenSnapshot, snapshot);
  EXPECT_EQ(st().selection, (Rect{10, 10, 60, 40}));
  EXPECT_TRUE(st().selectionExists);
}

TEST_F(Capture, EveryOpeningStartsFreshAndAPendingCloseCompletesFirst) {
  open();
  drag({10, 10}, {60, 40});
  doubleClick(20, 20);
  sim.processPendingEvents();

  repaintDesktop();
  open();
  EXPECT_TRUE(overlayControl().visible());
  EXPECT_EQ(st().selection, (Rect{0, 0, 0, 0}));
  EXPECT_FALSE(st().selectionExists);
  EXPECT_EQ(captureWindow().control("画板2").pointer(),
            PointerShape::fromCursorFile(builtInCursorFile()));
  EXPECT_EQ(overlay().pixel(500, 5), makeColour(0, 1, 2));  // the new desktop, dimmed

  // Right press, then the button before the close was carried out.
  drag({100, 100}, {200, 200});
  overlayControl().on.rightPress(0, 0);
  sim.desktop().fill(makeColour(30, 60, 90));
  open();
  EXPECT_TRUE(captureWindow().isOpen());
  EXPECT_EQ(sim.frontRaises(), 0);
  EXPECT_FALSE(st().selectionExists);
  EXPECT_EQ(overlay().pixel(500, 5), makeColour(20, 40, 60));
  sim.processPendingEvents();  // the stale close request must not close the new window
  EXPECT_TRUE(captureWindow().isOpen());
}

// A press that follows a release without any movement finds no hit region; it is judged
// by what lies under the pointer, never by the rectangle of an earlier drag.
TEST_F(Capture, APressWithoutMovementActsOnWhatIsUnderThePointer) {
  open();
  drag({100, 100}, {200, 150});
  // Still at the bottom-right corner where the button came up: this press resizes.
  drag({200, 150}, {220, 170});
  EXPECT_EQ(st().selection, (Rect{100, 100, 220, 170}));
  // Again without moving, now inside: a move, not a replay of the last rectangle.
  press(150, 130);
  move(160, 140);
  EXPECT_EQ(st().selection, (Rect{110, 110, 230, 180}));
  release(160, 140);
  // Outside: a new selection from the press point.
  drag({500, 500}, {520, 530});
  EXPECT_EQ(st().selection, (Rect{500, 500, 520, 530}));

  // Arrow keys move the selection away from a still pointer that was inside it.
  move(510, 510);
  EXPECT_EQ(st().hitRegion, HitRegion::Inside);
  for (int i = 0; i < 30; ++i) key(kKeyRight);
  drag({510, 510}, {515, 600});
  EXPECT_EQ(st().selection, (Rect{510, 510, 515, 600}));
}

TEST_F(Capture, ShrinkingByTheWheelTurnsOverAndBack) {
  open();
  drag({10, 10}, {12, 12});
  wheel(-1);
  EXPECT_EQ(st().selection, (Rect{11, 11, 11, 11}));
  wheel(-1);
  EXPECT_EQ(st().selection, (Rect{10, 10, 12, 12}));
  EXPECT_EQ(overlay().pixel(8, 8), kSelectionColour);  // redrawn with handles
}

TEST_F(Capture, KeysActBeforeAnySelectionTheWheelAndDoubleClickDoNot) {
  open();
  wheel(1);
  EXPECT_EQ(st().selection, (Rect{0, 0, 0, 0}));
  key(kKeyRight);
  EXPECT_EQ(st().selection, (Rect{1, 0, 1, 0}));
  EXPECT_EQ(overlay().pixel(0, 0), kSelectionColour);
  EXPECT_EQ(overlay().pixel(2, 1), kSelectionColour);
  EXPECT_NE(overlay().pixel(3, 0), kSelectionColour);
  overlayControl().on.doubleClick(1, 0);  // no selection yet
  EXPECT_TRUE(captureWindow().isOpen());
}

TEST_F(Capture, FinishingAtTheEdgesOfTheSelectionAndOfTheScreen) {
  const Raster before = sim.composeScreen();
  open();
  drag({900, 700}, {1000, 760});
  overlayControl().on.doubleClick(1001, 760);  // one beyond: nothing
  EXPECT_TRUE(captureWindow().isOpen());
  EXPECT_TRUE(st().capturedPicture.empty());
  overlayControl().on.doubleClick(1000, 760);  // the corner itself counts
  const auto picture = decodePicture(st().capturedPicture);
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width(), 124);
  EXPECT_EQ(picture->height(), 68);
  EXPECT_EQ(picture->at(123, 67), before.at(1023, 767));
  EXPECT_EQ(st().capturedWidth, 100);
  EXPECT_EQ(st().capturedHeight, 60);
  sim.processPendingEvents();

  // A click without movement on a fresh window, then a double-click at (0, 0).
  open();
  press(0, 0);
  release(0, 0);
  EXPECT_TRUE(st().selectionExists);
  overlayControl().on.doubleClick(0, 0);
  EXPECT_EQ(st().capturedWidth, 0);
  EXPECT_EQ(st().capturedHeight, 0);
  const auto corner = decodePicture(st().capturedPicture);
  ASSERT_TRUE(corner);
  EXPECT_EQ(corner->width(), 100);
  EXPECT_EQ(corner->height(), 100);
  EXPECT_EQ(corner->at(99, 99), before.at(99, 99));
  EXPECT_EQ(control("画板2").geometry(), (Rect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace qirvo
