#pragma once
#include <stop_token>
#include <string>

#include "picture/colour_value.h"

namespace qirvo {

class App;

// A press on 画板2: takes the colour under the pointer as the key and paints 画板3 on a
// worker thread, ending the running colour-key and speckle-removal passes first.
void startColourKeyPass(App& app);

// The worker body. Reads the threshold, "去背景" and the background colour afresh for every
// pixel, so a change takes effect from the next pixel on; paints nothing once stopped.
void runColourKeyPass(std::stop_token stop, App& app);

// A pixel matches the key when no channel's ratio (smaller over larger) falls more than
// 1e-7 below the threshold. A channel that is 0 in both has no ratio and always passes.
bool pixelMatches(ColourValue pixel, ColourValue key, double threshold);

// The progress caption after `count` of `total` pixels: the percentage worked out in
// double precision, count / total first, and truncated.
std::string progressCaption(int count, int total);

}  // namespace qirvo
