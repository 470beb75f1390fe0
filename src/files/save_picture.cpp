#include "files/save_picture.h"

#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "app/app.h"
#include "files/list_directory.h"
#include "files/replace_file.h"
#include "files/utf8_path.h"

namespace qirvo {

namespace {

bool precondition(const AppState& state, SavedPicture which) {
  return which == SavedPicture::Captured ? !state.capturedPicture.empty() : state.transparentMade;
}

const char* preconditionMessage(SavedPicture which) {
  return which == SavedPicture::Captured ? "请先截取你需要找的图片!" : "你还没制作透明图片";
}

const char* successText(SavedPicture which) {
  return which == SavedPicture::Captured ? ".bmp 图片文件已经成功保存程序所在的目录下"
                                         : ".bmp 透明图片文件已经成功保存程序所在的目录下";
}

// runDirectory, one separator and the file name, joined as text: a name that begins with
// a separator still lands below the program's directory.
std::filesystem::path targetPath(const std::filesystem::path& runDirectory,
                                 const std::string& fileName) {
  std::filesystem::path target = runDirectory;
  target += std::filesystem::path::preferred_separator;
  target += pathFromUtf8(fileName);
  return target;
}

}  // namespace

void savePictureFile(App& app, SavedPicture which) {
  AppState& state = app.state();
  Platform& platform = app.platform();
  Window& w = app.mainWindow();
  if (!precondition(state, which)) {
    platform.messageBox(preconditionMessage(which), MessageButtons::Ok);
    return;
  }
  // Read once: the listing below dispatches input, and a name typed meanwhile must not
  // turn "no such file" into a silent overwrite of another one.
  const std::string name = w.control("编辑框_图片名称").text();
  if (name.empty()) {
    platform.messageBox("请输入图片名", MessageButtons::Ok);
    return;
  }
  const std::string fileName = name + ".bmp";
  bool exists = false;
  for (const std::string& entry : listDirectory(platform, state.runDirectory, "*.*")) {
    if (entry == fileName) {
      exists = true;
      break;
    }
  }
  if (exists && platform.messageBox("图片文件已经存在,是否覆盖?", MessageButtons::YesNo) !=
                    MessageAnswer::Yes)
    return;

  bool written = false;
  try {
    const PictureBytes bytes =
        which == SavedPicture::Captured ? state.capturedPicture : w.canvas("画板3").getPicture();
    written = replaceFile(targetPath(state.runDirectory, fileName), bytes);
  } catch (const std::exception&) {
    written = false;  // a name the platform cannot even represent as a path
  }
  if (!written) {
    platform.messageBox(
        fileName +
            " 保存失败,文件没有写入。请检查图片名是否有效,以及程序所在的目录是否存在、是否可写",
        MessageButtons::Ok);
    return;
  }
  platform.messageBox(name + successText(which), MessageButtons::Ok);
}

}  // namespace qirvo
