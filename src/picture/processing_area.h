#pragma once

namespace qirvo {

class App;

// "<<转到处理区": 画板2 takes 画板3's size and its picture as background, so the next
// colour-key pass works on the output. The capture itself stays as it was.
void goToProcessingArea(App& app);

// A left press on 画板3 at (x, y): paints that pixel in the background colour.
void touchUpPixel(App& app, int x, int y);

// A colour chosen in 颜色选择器_背景: it becomes 画板3's background colour, which wipes
// 画板3 unless it is the colour the canvas already has.
void applyBackgroundColour(App& app);

}  // namespace qirvo
