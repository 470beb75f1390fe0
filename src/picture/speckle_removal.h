#pragma once
#include <stop_token>

namespace qirvo {

class App;

// The items of 组合框_去杂色, by index.
enum class SpeckleMode {
  Off = 0,                // "去杂_不适合文字透明图片"
  AllFourNeighbours = 1,  // "去杂点1"
  ThreeNeighbours = 2,    // "去杂点2"
};

// An item chosen in 组合框_去杂色: starts a speckle-removal pass beside whatever runs.
void startSpeckleRemoval(App& app);

// The worker body: examines the whole of 画板3 first and repaints the collected pixels
// afterwards, so that every decision rests on the canvas as it was before any repaint.
// The mode and the background colour are read anew at every use.
void runSpeckleRemoval(std::stop_token stop, App& app);

}  // namespace qirvo
