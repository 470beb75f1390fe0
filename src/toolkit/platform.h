#pragma once
#include <string>

#include "picture/colour_value.h"
#include "picture/raster.h"
#include "picture/rect.h"

namespace qirvo {

class Window;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// Everything the core needs from the system: windows, screen and pointer, message boxes,
// event pumping, hotkeys, process exit. A backend implements it; what it cannot do it
// declares, and the core degrades quietly.
class Platform {
 public:
  virtual ~Platform() = default;

  // Windows. createWindow makes the native view without showing it; showWindow maps it.
  virtual void createWindow(Window& w) = 0;
  virtual void showWindow(Window& w) = 0;
  virtual void bringToFront(Window& w) = 0;
  // Queue the close of an open window. When it is carried out the backend calls
  // finishClose(w) and then drops its native view.
  virtual void postClose(Window& w) = 0;
  // Carry out a queued close of w now.
  virtual void completeClose(Window& w) = 0;

  // Primary screen and pointer.
  virtual ScreenSize screenSize() = 0;
  // The screen's pixels in r, clipped by the caller to the screen.
  virtual Raster grabScreen(Rect r) = 0;
  virtual ColourValue pixelUnderPointer() = 0;
  virtual Point pointerPosition() = 0;
  virtual void setPointerPosition(Point p) = 0;

  // Title "Qirvo提示", no owner, modal to the user-interface thread's windows.
  virtual MessageAnswer messageBox(const std::string& text, MessageButtons buttons) = 0;

  // Dispatch every waiting event of the calling thread, then return.
  virtual void processPendingEvents() = 0;
  // True when keyboard or mouse input waits to be processed.
  virtual bool inputPending() = 0;

  // System-wide hotkey for the whole session; 0 when refused or not supported.
  virtual int registerHotkey(int /*modifiers*/, int /*key*/) { return 0; }
  virtual void unregisterHotkey(int /*id*/) {}

  // Runs the user-interface loop; it never returns by itself.
  virtual int run() = 0;
  // Ends the process at once with the code, without unwinding anything.
  virtual void exitProcess(int code) = 0;
};

// Runs the will-be-destroyed handler and marks the window closed; called by backends.
void finishClose(Window& w);

}  // namespace qirvo
