#include <filesystem>
#include <fstream>
#include <iterator>

#include "scenario_fixture.h"

namespace qirvo {
namespace {

namespace fs = std::filesystem;

using Keying = ScenarioTest;

const ColourValue kKey = makeColour(0x20, 0x80, 0xC0);
const ColourValue kNearKey = makeColour(0x22, 0x84, 0xC4);  // within 0.9 of the key
const ColourValue kShape = makeColour(200, 30, 30);

PictureBytes fileBytes(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// 画板3 of a 30 x 20 capture (33 x 23) in white with the shape at columns 5..14, lines 4..9.
Raster whiteWithShape() {
  Raster r(33, 23, kWhite);
  r.fillRect({5, 4, 15, 10}, kShape);
  return r;
}

TEST_F(Keying, CaptureKeyCleanTouchUpFeedBackKeyAgainAndSave) {
  const fs::path dir = ownRunDirectory();
  // On the screen: the key colour with a few near-key pixels, a shape and a lone speckle.
  const Point at{40, 40};
  Raster& desktop = sim.desktop();
  desktop.fillRect({at.x, at.y, at.x + 160, at.y + 160}, kKey);
  desktop.set(at.x + 3, at.y + 3, kNearKey);
  desktop.set(at.x + 25, at.y + 17, kNearKey);
  desktop.fillRect({at.x + 5, at.y + 4, at.x + 15, at.y + 10}, kShape);
  desktop.set(at.x + 20, at.y + 15, kShape);
  captureRegion({at.x, at.y, at.x + 30, at.y + 20});

  // Key out the background colour into white.
  control("组合框_相识度").setText("0.9");
  control("选择框_去背景").setChecked(true);
  chooseBackground(kWhite);
  press("画板2", {2, 2});
  finishPasses();
  Raster expected = whiteWithShape();
  expected.set(20, 15, kShape);
  EXPECT_EQ(canvas("画板3").getPicture(), encodePicture(expected));
  EXPECT_EQ(control("标签_制作透明图片进度").text(), "100%");

  // Clean the speckle, touch up a corner of the shape.
  choose("组合框_去杂色", 1);
  finishPasses();
  expected.set(20, 15, kWhite);
  EXPECT_EQ(canvas("画板3").getPicture(), encodePicture(expected));
  press("画板3", {5, 4});

  // Feed the output back in and keep only the shape's colour.
  control("按钮_转到处理区").on.clicked();
  control("选择框_去背景").setChecked(false);
  control("组合框_相识度").setCurrentIndex(0);
  press("画板2", {7, 6});
  finishPasses();
  expected = whiteWithShape();
  expected.set(5, 4, kWhite);
  EXPECT_EQ(canvas("画板3").getPicture(), encodePicture(expected));

  // Save both pictures.
  control("编辑框_图片名称").setText("capture");
  control("按钮_保存图片").on.clicked();
  control("编辑框_图片名称").setText("logo");
  control("按钮_保存图片1").on.clicked();
  const PictureBytes captured = fileBytes(dir / "capture.bmp");
  EXPECT_EQ(captured, app.state().capturedPicture);
  EXPECT_EQ(readLe32(captured, 18), 130);  // the region plus the 100-pixel strip
  EXPECT_EQ(readLe32(captured, 22), 120);
  EXPECT_EQ(fileBytes(dir / "logo.bmp"), encodePicture(expected));
  ASSERT_EQ(sim.messages().size(), 2u);
  EXPECT_EQ(sim.messages()[0].text, "capture.bmp 图片文件已经成功保存程序所在的目录下");
  EXPECT_EQ(sim.messages()[1].text, "logo.bmp 透明图片文件已经成功保存程序所在的目录下");

  // Overwriting asks first: No keeps the file, Yes replaces it.
  press("画板3", {7, 6});
  sim.answerNext(MessageAnswer::No);
  control("按钮_保存图片1").on.clicked();
  EXPECT_EQ(fileBytes(dir / "logo.bmp"), encodePicture(expected));
  expected.set(7, 6, kWhite);
  control("按钮_保存图片1").on.clicked();
  EXPECT_EQ(fileBytes(dir / "logo.bmp"), encodePicture(expected));
  ASSERT_EQ(sim.messages().size(), 5u);
  EXPECT_EQ(sim.messages()[2].text, "图片文件已经存在,是否覆盖?");
  EXPECT_EQ(sim.messages()[3].text, "图片文件已经存在,是否覆盖?");
  EXPECT_EQ(sim.messages()[4].text, "logo.bmp 透明图片文件已经成功保存程序所在的目录下");

  // A write that cannot happen is reported, not shown as saved.
  control("编辑框_图片名称").setText("nosuch/logo");
  control("按钮_保存图片1").on.clicked();
  ASSERT_EQ(sim.messages().size(), 6u);
  EXPECT_TRUE(sim.messages()[5].text.starts_with("nosuch/logo.bmp 保存失败"))
      << sim.messages()[5].text;
  EXPECT_FALSE(fs::exists(dir / "nosuch"));
}

}  // namespace
}  // namespace qirvo
