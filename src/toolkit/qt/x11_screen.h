#pragma once
#include <mutex>

#include "picture/raster.h"
#include "picture/rect.h"

struct xcb_connection_t;

namespace qirvo {

// Reads the X screen through a connection of its own, so any thread may call it. Full
// grabs go through one MIT-SHM segment kept for the whole run (about 1 ms at 1920 x 1080
// once warm); without the extension it falls back to plain GetImage.
class X11Screen {
 public:
  X11Screen();
  ~X11Screen();
  X11Screen(const X11Screen&) = delete;
  X11Screen& operator=(const X11Screen&) = delete;

  bool ok() const { return conn_ != nullptr; }
  // Pixels of r in root-window coordinates; parts off the root read black.
  Raster grab(Rect r);
  Point pointer();
  ColourValue pixelUnderPointer();

 private:
  bool grabInto(Raster& out, Rect r);
  bool attachShm(std::size_t bytes);

  std::mutex mutex_;
  xcb_connection_t* conn_ = nullptr;
  unsigned root_ = 0;
  int rootWidth_ = 0;
  int rootHeight_ = 0;
  unsigned shmSeg_ = 0;
  int shmId_ = -1;
  unsigned char* shmData_ = nullptr;
  std::size_t shmSize_ = 0;
  bool shmUsable_ = true;
};

}  // namespace qirvo
