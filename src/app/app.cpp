#include "app/app.h"

#include "files/save_picture.h"
#include "picture/colour_key_pass.h"
#include "picture/processing_area.h"
#include "picture/speckle_removal.h"
#include "resources/main_window_layout.h"
#include "resources/promotion_picture.h"
#include "toolkit/keys.h"

namespace qirvo {

App::App(Platform& platform, std::filesystem::path runDirectory) : platform_(platform) {
  state_.runDirectory = std::move(runDirectory);
}

App::~App() {
  stopWorker(state_.keyingThread);
  stopWorker(state_.despeckleThread);
}

void App::start() {
  state_.selection = {0, 0, 0, 0};
  state_.pointerTable = std::make_unique<PointerTable>();
  state_.pixelReader = std::make_unique<PixelReader>();
  mainWindow_ = std::make_unique<Window>(mainWindowLayout());
  capture_ = std::make_unique<CaptureController>(platform_, state_, *mainWindow_);
  wireMainWindow();
  openWindow(platform_, *mainWindow_);
}

void App::wireMainWindow() {
  Window& w = *mainWindow_;
  w.onCreated = [this] { onMainWindowCreated(); };
  w.onDestroyed = [this] { onMainWindowDestroyed(); };
  w.control("按钮1").on.clicked = [this] { onCaptureButton(); };

  // Keying, speckle removal, the processing area and saving.
  w.control("画板2").on.leftPress = [this](int, int) { startColourKeyPass(*this); };
  w.control("组合框_去杂色").on.itemChosen = [this](int) { startSpeckleRemoval(*this); };
  w.control("按钮_转到处理区").on.clicked = [this] { goToProcessingArea(*this); };
  w.control("画板3").on.leftPress = [this](int x, int y) { touchUpPixel(*this, x, y); };
  w.control("颜色选择器_背景").on.colourChosen = [this] { applyBackgroundColour(*this); };
  w.control("按钮_保存图片").on.clicked = [this] {
    savePictureFile(*this, SavedPicture::Captured);
  };
  w.control("按钮_保存图片1").on.clicked = [this] {
    savePictureFile(*this, SavedPicture::Transparent);
  };
}

void App::onMainWindowCreated() {
  Window& w = *mainWindow_;
  state_.captureHotkeyId = registerCaptureHotkey();
  w.control("组合框_相识度").setCurrentIndex(0);
  Control& promo = w.control("图片框_广告");
  promo.setGeometry(6, 130, 390, 95);
  promo.setPicture(builtInPromotionPicture());
  startPromotionLoader();
}

// No system-wide hotkey service yet: the capture button alone starts a capture, as after
// a refused registration.
int App::registerCaptureHotkey() {
  return 0;
}

// No promotion loader yet: the built-in picture stays for the whole run.
void App::startPromotionLoader() {}

void App::onCaptureButton() {
  // An open magnifier is asked to close here, before the capture starts.
  capture_->beginCapture();
}

void App::onMainWindowDestroyed() {
  if (state_.captureHotkeyId != 0) platform_.unregisterHotkey(state_.captureHotkeyId);
  stopWorker(state_.keyingThread);
  endProgram(0);
}

void App::exitCleanup() {
  if (cleanedUp_) return;
  cleanedUp_ = true;
  state_.capturedPicture.clear();
  state_.dragMode = DragMode::New;
  state_.hitRegion = HitRegion::None;
  state_.selection = {};
  if (state_.pointerTable) {
    for (auto& slot : *state_.pointerTable) slot = {};
    state_.pointerTable.reset();
  }
  // A worker that still runs holds on to the reader; it is released with the process.
  if (state_.pixelReader) state_.pixelReader->destroy();
  state_.screenSnapshot.clear();
}

void App::endProgram(int code) {
  exitCleanup();
  platform_.exitProcess(code);
}

}  // namespace qirvo
