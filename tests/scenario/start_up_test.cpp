#include "resources/main_window_layout.h"
#include "resources/promotion_picture.h"
#include "scenario_fixture.h"

namespace qirvo {
namespace {

using StartUp = ScenarioTest;

TEST_F(StartUp, EveryControlStartsInItsInitialState) {
  Window& w = app.mainWindow();
  EXPECT_EQ(w.title(), "Lumetra-Qirvo出品");
  EXPECT_TRUE(w.isOpen());
  ASSERT_EQ(w.controls().size(), 22u);

  struct Expect {
    const char* name;
    ControlKind kind;
    Rect geometry;
    const char* text;
    bool visible;
  };
  const Expect table[] = {
      {"组合框_去杂色",
       ControlKind::ComboList,
       {309, 80, 402, 100},
       "去杂_不适合文字透明图片",
       true},
      {"按钮_转到处理区", ControlKind::Button, {205, 102, 293, 126}, "<<转到处理区", true},
      {"超文本浏览框_广告", ControlKind::HtmlView, {80, 144, 160, 200}, "", false},
      {"图片框_广告", ControlKind::PictureBox, {6, 130, 396, 225}, "", true},
      {"选择框_去背景", ControlKind::CheckBox, {309, 60, 379, 76}, "去背景", true},
      {"标签1", ControlKind::Label, {309, 20, 349, 40}, "背景色", true},
      {"颜色选择器_背景", ControlKind::ColourPicker, {349, 20, 397, 40}, "", true},
      {"选择框_多色", ControlKind::CheckBox, {309, 41, 379, 57}, "多色叠加", true},
      {"标签_制作透明图片进度", ControlKind::Label, {157, 105, 191, 125}, "", true},
      {"标签4", ControlKind::Label, {126, 105, 156, 125}, ".bmp", true},
      {"标签3", ControlKind::Label, {1, 105, 42, 125}, "图片名:", true},
      {"编辑框_图片名称", ControlKind::EditBox, {44, 105, 124, 125}, "", true},
      {"按钮_保存图片1", ControlKind::Button, {309, 102, 397, 126}, "保存透明图片", true},
      {"按钮_放大镜", ControlKind::Button, {106, 26, 194, 50}, "打开放大镜", true},
      {"组合框_相识度", ControlKind::ComboEditable, {349, 0, 397, 20}, "1.0", true},
      {"标签2", ControlKind::Label, {309, 1, 349, 21}, "相似度", true},
      {"画板3", ControlKind::Canvas, {200, 1, 300, 101}, "", true},
      {"按钮_图片编辑", ControlKind::Button, {106, 51, 194, 75}, "图片编辑", true},
      {"按钮1", ControlKind::Button, {106, 1, 194, 25}, "截图(Ctrl+1)", true},
      {"按钮_保存图片", ControlKind::Button, {106, 77, 194, 101}, "保存图片", true},
      {"画板1", ControlKind::Canvas, {1, 1, 101, 101}, "", true},
      {"画板2", ControlKind::Canvas, {0, 0, 22, 22}, "", true},
  };
  for (std::size_t i = 0; i < std::size(table); ++i) {
    const Expect& e = table[i];
    const Control& c = *w.controls()[i];  // creation order
    EXPECT_EQ(c.name(), e.name) << i;
    EXPECT_EQ(c.kind(), e.kind) << e.name;
    EXPECT_EQ(c.geometry(), e.geometry) << e.name;
    EXPECT_EQ(c.text(), e.text) << e.name;
    EXPECT_EQ(c.visible(), e.visible) << e.name;
  }
  EXPECT_EQ(control("组合框_相识度").currentIndex(), 0);
  EXPECT_EQ(control("组合框_去杂色").currentIndex(), 0);
  EXPECT_FALSE(control("选择框_去背景").checked());
  EXPECT_FALSE(control("选择框_多色").checked());
  EXPECT_EQ(control("颜色选择器_背景").colour(), kBlack);
  EXPECT_EQ(control("图片框_广告").picture(), builtInPromotionPicture());
  EXPECT_EQ(w.control("画板2").parentName(), "画板1");
}

TEST_F(StartUp, CanvasesAreBlackOnTheScreen) {
  Raster screen = sim.composeScreen();
  Window& w = app.mainWindow();
  for (const char* name : {"画板1", "画板2", "画板3"}) {
    const Control& c = w.control(name);
    Point at = sim.toScreen(w, c, {1, 1});
    EXPECT_EQ(screen.at(at.x, at.y), kBlack) << name;
    EXPECT_EQ(c.canvas()->backgroundColour(), kBlack) << name;
  }
  Point promo = sim.toScreen(w, w.control("图片框_广告"), {0, 0});
  auto art = decodePicture(builtInPromotionPicture());
  ASSERT_TRUE(art);
  EXPECT_EQ(screen.at(promo.x + 40, promo.y + 20), art->at(40, 20));
}

TEST_F(StartUp, BuiltInPromotionPictureLayout) {
  const PictureBytes& p = builtInPromotionPicture();
  ASSERT_EQ(p.size(), 111396u);
  EXPECT_EQ(readLe32(p, 2), 111396);
  EXPECT_EQ(readLe32(p, 18), 390);
  EXPECT_EQ(readLe32(p, 22), 95);
  EXPECT_EQ(readLe16(p, 28), 24);
  EXPECT_EQ(readLe32(p, 30), 0);
  EXPECT_EQ(readLe32(p, 38), 2834);
  EXPECT_EQ(readLe32(p, 42), 2834);
  EXPECT_EQ(54 + bmpStride(390) * 95 + 2, 111396);
}

TEST_F(StartUp, ClosingMainWindowCleansUpAndExitsWithZero) {
  requestClose(sim, app.mainWindow());
  EXPECT_FALSE(sim.exitCode());  // queued until the handler returns
  sim.processPendingEvents();
  EXPECT_EQ(sim.exitCode(), 0);
  EXPECT_TRUE(app.cleanedUp());
  EXPECT_FALSE(app.state().pointerTable);
}

TEST_F(StartUp, ClosingWhileAWorkerRunsStopsItAndEnds) {
  std::atomic<bool> stopped{false};
  startWorker(
      [&](std::stop_token st) {
        while (!st.stop_requested()) std::this_thread::yield();
        stopped = true;
      },
      &app.state().keyingThread);
  requestClose(sim, app.mainWindow());
  sim.processPendingEvents();
  EXPECT_TRUE(stopped);
  EXPECT_EQ(sim.exitCode(), 0);
}

}  // namespace
}  // namespace qirvo
