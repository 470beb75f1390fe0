#pragma once
#include <QApplication>

namespace qirvo {

// A light, modern look on Fusion with thin frames in the colour 0xC6C5D7 (variant 3), and
// a font that carries Chinese.
void applyTheme(QApplication& app);

}  // namespace qirvo
