#pragma once
#include <mutex>
#include <span>

#include "picture/picture_bytes.h"
#include "picture/raster.h"

namespace qirvo {

enum class Persistence { Transient, Persistent };
enum class BackgroundPlacement { TopLeft, Tiled };
enum class BrushStyle { Hollow, Solid };

// The picture model of a drawing-surface control. Every operation takes the canvas's own
// lock, so workers and the user-interface thread may call them at any time; each one takes
// effect whole. Nothing here waits for the user-interface thread.
//
// `shown()` is what the screen should show. With a persistent image it is that image; a
// transient canvas shows its background plus whatever was drawn since its last repaint.
class Canvas {
 public:
  Canvas(int width, int height, Persistence persistence,
         BackgroundPlacement placement = BackgroundPlacement::TopLeft);

  int width() const;
  int height() const;
  void setWidth(int w);
  void setHeight(int h);
  void setSize(int w, int h);

  ColourValue backgroundColour() const;
  void setBackgroundColour(ColourValue c);
  void setBackgroundPicture(const PictureBytes& picture);

  void clear();
  void drawPoint(int x, int y, ColourValue c);

  // The whole client area as PictureBytes. A transient canvas renders its own content
  // (background picture over background colour); one with no area gives no bytes.
  PictureBytes getPicture() const;
  // What getPicture followed by a pixel read would answer, without making the picture.
  ColourValue pixel(int x, int y) const;
  // Several such reads from one moment of the canvas.
  void pixels(std::span<const Point> at, std::span<ColourValue> out) const;

  void setPenColour(ColourValue c);
  void setBrushStyle(BrushStyle s);
  void setBrushColour(ColourValue c);
  // Win32 Rectangle rules with a one-pixel pen: the corners are ordered, the outline runs
  // on columns left and right - 1 and rows top and bottom - 1, a solid brush fills inside.
  void drawRectangle(int x1, int y1, int x2, int y2);
  // Replaces this canvas's block at (dx, dy) with source's block (x, y, w, h), read from
  // the source's image. The source may be this canvas.
  void copyBlockFrom(const Canvas& source, int x, int y, int w, int h, int dx, int dy);

  // For a backend: run `paint` on the shown image under the lock, and take the area that
  // changed since the last call.
  template <class F>
  void withShown(F&& paint) const {
    std::lock_guard lock(mutex_);
    paint(image_);
  }
  Rect takeDirty();

 private:
  ColourValue readLocked(int x, int y) const;
  void rebuildLocked();
  void resizeLocked(int w, int h);
  void renderBackgroundLocked(Raster& into, Rect area) const;
  void markDrawnLocked(Rect r);

  mutable std::mutex mutex_;
  const Persistence persistence_;
  const BackgroundPlacement placement_;
  int width_;
  int height_;
  ColourValue background_ = kBlack;
  bool hasPicture_ = false;
  Raster picture_;
  Raster image_;
  // Where the image differs from the plain background; a clear restores only this.
  Rect drawn_;
  Rect dirty_;
  ColourValue pen_ = kBlack;
  ColourValue brushColour_ = kBlack;
  BrushStyle brush_ = BrushStyle::Hollow;
};

}  // namespace qirvo
