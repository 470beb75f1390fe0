#include "files/save_picture.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "app/app.h"
#include "toolkit/sim/sim_platform.h"

namespace qirvo {
namespace {

namespace fs = std::filesystem;

enum class Content { Absent, Old, Captured, Canvas };

const std::string kOld = "an older and much longer file that a new picture must replace whole";
const std::string kFailed = "<failed>";  // stands for "<name>.bmp 保存失败..."
const std::string kQuestion = "图片文件已经存在,是否覆盖?";
const std::string kSaved = "logo.bmp 图片文件已经成功保存程序所在的目录下";

struct Case {
  const char* what;
  SavedPicture which;
  bool captured;
  bool transparentMade;
  std::string typed;
  std::vector<std::string> oldFiles;  // hold kOld; a name ending in "/" is a directory
  std::vector<MessageAnswer> answers;
  std::vector<std::string> messages;
  std::map<std::string, Content> expected;
  bool readOnly = false;
};

std::string contentOf(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void run(const Case& c) {
  SCOPED_TRACE(c.what);
  SimPlatform sim;
  const fs::path dir =
      fs::path(::testing::TempDir()) / ("qirvo-save-" + std::to_string(std::random_device{}()));
  fs::create_directories(dir);
  App app(sim, dir);
  app.start();
  AppState& state = app.state();
  Window& w = app.mainWindow();
  if (c.captured) state.capturedPicture = encodePicture(Raster(3, 2, makeColour(1, 2, 3)));
  state.transparentMade = c.transparentMade;
  w.canvas("画板3").drawPoint(5, 5, kWhite);
  w.control("编辑框_图片名称").setText(c.typed);
  for (const std::string& name : c.oldFiles) {
    if (name.ends_with("/")) {
      fs::create_directories(dir / name);
    } else {
      fs::create_directories((dir / name).parent_path());
      std::ofstream(dir / name, std::ios::binary) << kOld;
      if (c.readOnly) fs::permissions(dir / name, fs::perms::owner_write, fs::perm_options::remove);
    }
  }
  for (MessageAnswer a : c.answers) sim.answerNext(a);

  savePictureFile(app, c.which);

  ASSERT_EQ(sim.messages().size(), c.messages.size());
  for (std::size_t i = 0; i < c.messages.size(); ++i) {
    const std::string& shown = sim.messages()[i].text;
    if (c.messages[i] == kFailed)
      EXPECT_TRUE(shown.starts_with(c.typed + ".bmp 保存失败")) << shown;
    else
      EXPECT_EQ(shown, c.messages[i]);
    EXPECT_EQ(sim.messages()[i].buttons,
              shown == kQuestion ? MessageButtons::YesNo : MessageButtons::Ok);
  }
  for (const auto& [name, content] : c.expected) {
    const fs::path p = dir / name;
    switch (content) {
      case Content::Absent:
        EXPECT_FALSE(fs::is_regular_file(p)) << name;
        break;
      case Content::Old:
        EXPECT_EQ(contentOf(p), kOld) << name;
        break;
      case Content::Captured:
        EXPECT_EQ(contentOf(p),
                  std::string(state.capturedPicture.begin(), state.capturedPicture.end()))
            << name;
        break;
      case Content::Canvas: {
        const PictureBytes shown = w.canvas("画板3").getPicture();
        EXPECT_EQ(contentOf(p), std::string(shown.begin(), shown.end())) << name;
        break;
      }
    }
  }
  // A failed or refused write leaves no temporary file behind.
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    EXPECT_FALSE(entry.path().filename().string().starts_with(".qirvo-")) << entry.path();
  fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
  fs::remove_all(dir);
}

TEST(SavePictureFile, Branches) {
  using S = SavedPicture;
  using A = MessageAnswer;
  using C = Content;
  const Case cases[] = {
      {"no capture yet",
       S::Captured,
       false,
       true,
       "logo",
       {},
       {},
       {"请先截取你需要找的图片!"},
       {{"logo.bmp", C::Absent}}},
      {"no pass yet",
       S::Transparent,
       true,
       false,
       "logo",
       {},
       {},
       {"你还没制作透明图片"},
       {{"logo.bmp", C::Absent}}},
      {"empty name", S::Captured, true, false, "", {}, {}, {"请输入图片名"}, {}},
      {"new file", S::Captured, true, false, "logo", {}, {}, {kSaved}, {{"logo.bmp", C::Captured}}},
      {"one blank is a name",
       S::Captured,
       true,
       false,
       " ",
       {},
       {},
       {" .bmp 图片文件已经成功保存程序所在的目录下"},
       {{" .bmp", C::Captured}}},
      {"transparent picture",
       S::Transparent,
       false,
       true,
       "logo",
       {},
       {},
       {"logo.bmp 透明图片文件已经成功保存程序所在的目录下"},
       {{"logo.bmp", C::Canvas}}},
      {"overwrite, Yes",
       S::Captured,
       true,
       false,
       "logo",
       {"logo.bmp"},
       {A::Yes},
       {kQuestion, kSaved},
       {{"logo.bmp", C::Captured}}},
      {"overwrite, No",
       S::Captured,
       true,
       false,
       "logo",
       {"logo.bmp"},
       {A::No},
       {kQuestion},
       {{"logo.bmp", C::Old}}},
      {"other letter case is another file",
       S::Captured,
       true,
       false,
       "logo",
       {"LOGO.BMP"},
       {},
       {kSaved},
       {{"logo.bmp", C::Captured}, {"LOGO.BMP", C::Old}}},
      {"a sub-directory of that name",
       S::Captured,
       true,
       false,
       "logo",
       {"logo.bmp/"},
       {},
       {kFailed},
       {}},
      {"missing sub-directory",
       S::Captured,
       true,
       false,
       "missing/logo",
       {},
       {},
       {kFailed},
       {{"missing/logo.bmp", C::Absent}}},
      {"a sub-directory's file is not listed",
       S::Captured,
       true,
       false,
       "sub/logo",
       {"sub/logo.bmp"},
       {},
       {"sub/logo.bmp 图片文件已经成功保存程序所在的目录下"},
       {{"sub/logo.bmp", C::Captured}}},
      {"read-only file stays",
       S::Captured,
       true,
       false,
       "logo",
       {"logo.bmp"},
       {A::Yes},
       {kQuestion, kFailed},
       {{"logo.bmp", C::Old}},
       true},
  };
  for (const Case& c : cases) run(c);
}

}  // namespace
}  // namespace qirvo
