#pragma once

namespace qirvo {

class App;

enum class SavedPicture {
  Captured,     // "保存图片": AppState.capturedPicture
  Transparent,  // "保存透明图片": what 画板3 shows at the moment of writing
};

// Writes the picture beside the program as the typed name plus ".bmp", asking before it
// replaces an existing file. A write that fails is reported and never shown as saved.
void savePictureFile(App& app, SavedPicture which);

}  // namespace qirvo
