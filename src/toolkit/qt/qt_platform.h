#pragma once
// The Linux backend: Qt 6 Widgets for windows and controls, xcb (MIT-SHM) for reading the
// screen. It builds a QtWindowView for each Window model, pulls model changes on the
// user-interface thread (right after each input and on a 16 ms timer, so workers never
// flood it), and turns native input into the core's handler calls.
// Known limits: no system-wide hotkeys yet. Qt offers no peek at waiting input, so
// inputPending() always answers true: dispatching when nothing waits costs microseconds.
#include <QObject>
#include <QTimer>
#include <map>
#include <memory>

#include "toolkit/platform.h"
#include "toolkit/qt/x11_screen.h"

namespace qirvo {

class QtWindowView;

class QtPlatform : public QObject, public Platform {
  Q_OBJECT

 public:
  QtPlatform();
  ~QtPlatform() override;

  void createWindow(Window& w) override;
  void showWindow(Window& w) override;
  void bringToFront(Window& w) override;
  void postClose(Window& w) override;
  void completeClose(Window& w) override;

  ScreenSize screenSize() override;
  Raster grabScreen(Rect r) override;
  ColourValue pixelUnderPointer() override;
  Point pointerPosition() override;
  void setPointerPosition(Point p) override;

  MessageAnswer messageBox(const std::string& text, MessageButtons buttons) override;
  void processPendingEvents() override;
  bool inputPending() override { return true; }
  int run() override;
  void exitProcess(int code) override;

  // Pushes every model change to the screen now.
  void syncAll();

 private:
  void closeFromWindowManager(Window& w);

  std::map<Window*, std::unique_ptr<QtWindowView>> views_;
  X11Screen screen_;
  QTimer frameTimer_;
};

}  // namespace qirvo
