#include "picture/processing_area.h"

#include "app/app.h"

namespace qirvo {

void goToProcessingArea(App& app) {
  Window& w = app.mainWindow();
  Canvas& source = w.canvas("画板2");
  const Canvas& output = w.canvas("画板3");
  source.clear();
  source.setWidth(output.width());
  source.setHeight(output.height());
  source.setBackgroundPicture(output.getPicture());
}

void touchUpPixel(App& app, int x, int y) {
  Window& w = app.mainWindow();
  w.canvas("画板3").drawPoint(x, y, w.control("颜色选择器_背景").colour());
}

void applyBackgroundColour(App& app) {
  Window& w = app.mainWindow();
  w.canvas("画板3").setBackgroundColour(w.control("颜色选择器_背景").colour());
}

}  // namespace qirvo
