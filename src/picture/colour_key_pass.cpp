#include "picture/colour_key_pass.h"

#include <algorithm>

#include "app/app.h"
#include "picture/live_pixel_reader.h"
#include "picture/numeric_text.h"

namespace qirvo {

namespace {

// 画板1 shows at most 100 x 100 pixels of 画板2; the pass never looks beyond them.
constexpr int kLastExamined = 100;
// 画板3 is three pixels wider and higher than the capture, up to 103.
int outputSide(int captured) {
  return captured > kLastExamined ? kLastExamined + 3 : captured + 3;
}

}  // namespace

bool pixelMatches(ColourValue pixel, ColourValue key, double threshold) {
  const int pixelChannels[] = {redOf(pixel), greenOf(pixel), blueOf(pixel)};
  const int keyChannels[] = {redOf(key), greenOf(key), blueOf(key)};
  for (int i = 0; i < 3; ++i) {
    const int p = pixelChannels[i];
    const int k = keyChannels[i];
    if (p == 0 && k == 0) continue;
    const double ratio = p < k ? static_cast<double>(p) / k : static_cast<double>(k) / p;
    if (threshold - ratio > 0.0000001) return false;
  }
  return true;
}

std::string progressCaption(int count, int total) {
  if (total <= 0) return "100%";
  const double percent = static_cast<double>(count) / static_cast<double>(total) * 100.0;
  return std::to_string(static_cast<int>(percent)) + "%";
}

void startColourKeyPass(App& app) {
  AppState& state = app.state();
  Window& w = app.mainWindow();
  if (state.capturedPicture.empty()) {
    app.platform().messageBox("请先截取你需要找的图片!", MessageButtons::Ok);
    return;
  }
  state.transparentMade = true;
  // End the earlier passes before clearing: a pass still running after the clear would
  // leave its pixels on the fresh canvas, among the new pass's.
  stopWorker(state.keyingThread);
  stopWorker(state.despeckleThread);
  if (!w.control("选择框_多色").checked()) w.canvas("画板3").clear();
  startWorker([&app](std::stop_token stop) { runColourKeyPass(stop, app); }, &state.keyingThread);
}

void runColourKeyPass(std::stop_token stop, App& app) {
  const AppState& state = app.state();
  Window& w = app.mainWindow();
  const Canvas& source = w.canvas("画板2");
  Canvas& output = w.canvas("画板3");
  const Control& thresholdBox = w.control("组合框_相识度");
  const Control& removeBackground = w.control("选择框_去背景");
  const Control& picker = w.control("颜色选择器_背景");
  Control& progress = w.control("标签_制作透明图片进度");
  if (stop.stop_requested()) return;

  output.setWidth(outputSide(state.capturedWidth));
  output.setHeight(outputSide(state.capturedHeight));
  const ColourValue key = app.platform().pixelUnderPointer();
  const int total = output.height() * output.width();
  int count = 0;
  const LivePixelReader reader(source);

  const int rowLimit = std::min(source.height() - 1, kLastExamined);
  for (int y = 1; y <= rowLimit; ++y) {
    const int columnLimit = std::min(state.capturedWidth - 1, kLastExamined);
    for (int x = 1; x <= columnLimit; ++x) {
      if (stop.stop_requested()) return;
      const ColourValue p = reader.getPixel(x, y);
      ++count;
      progress.setText(progressCaption(count, total));
      const bool matches = pixelMatches(p, key, numericValue(thresholdBox.text()));
      if (removeBackground.checked())
        output.drawPoint(x, y, matches ? picker.colour() : p);
      else if (matches)
        output.drawPoint(x, y, p);
    }
  }
  if (stop.stop_requested()) return;
  progress.setText("100%");
}

}  // namespace qirvo
