#pragma once
#include <filesystem>
#include <memory>

#include "app/app_state.h"
#include "capture/capture_controller.h"
#include "toolkit/platform.h"
#include "toolkit/window.h"

namespace qirvo {

// The program: AppState, its windows and the handlers that wire them. One instance lives
// from start-up until the process ends.
class App {
 public:
  App(Platform& platform, std::filesystem::path runDirectory);
  // Ends the passes that still run before the windows they paint go away.
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  // Start-up up to the opened MainWindow; the caller then runs the platform's loop.
  void start();

  AppState& state() { return state_; }
  Platform& platform() { return platform_; }
  Window& mainWindow() { return *mainWindow_; }
  CaptureController& capture() { return *capture_; }

  // Handlers of MainWindow.
  void onMainWindowCreated();
  void onMainWindowDestroyed();
  void onCaptureButton();

  // Runs exitCleanup once, then ends the process with the code.
  void endProgram(int code);
  void exitCleanup();
  bool cleanedUp() const { return cleanedUp_; }

 private:
  void wireMainWindow();
  // Seams for later features: the capture hotkey and the promotion loader.
  int registerCaptureHotkey();
  void startPromotionLoader();

  Platform& platform_;
  AppState state_;
  std::unique_ptr<Window> mainWindow_;
  std::unique_ptr<CaptureController> capture_;
  bool cleanedUp_ = false;
};

}  // namespace qirvo
