#pragma once
#include <string>
#include <vector>

#include "picture/colour_value.h"

namespace qirvo {

enum class ControlKind {
  Button,
  Label,
  EditBox,
  ComboList,      // drop-down list, not editable
  ComboEditable,  // drop-down with an editable text
  CheckBox,
  ColourPicker,
  PictureBox,
  Canvas,
  HtmlView,
};

enum class WindowStyle {
  // Fixed-size frame with title bar, close and minimise boxes, no maximise box; centred.
  FixedDialog,
  // No border, no title, on top, not in the task bar.
  BorderlessTopmost,
};

enum class CanvasStore { Transient, Persistent };
enum class BorderStyle { None, ThinLine };
// Where a canvas draws its background picture: once at the top-left, or repeated from there.
enum class CanvasPlacement { TopLeft, Tiled };

// One control of a window layout, in creation order.
struct ControlLayout {
  std::string name;
  ControlKind kind;
  int left;
  int top;
  int width;
  int height;
  std::string text;
  std::vector<std::string> items = {};
  bool visible = true;
  std::string parent = {};  // a canvas that holds this control; positions are relative to it
  CanvasStore store = CanvasStore::Transient;
  BorderStyle border = BorderStyle::None;
  CanvasPlacement placement = CanvasPlacement::TopLeft;
  ColourValue background = kBlack;  // a canvas's background colour
};

struct WindowLayout {
  std::string title;
  WindowStyle style;
  int clientWidth;
  int clientHeight;
  std::vector<ControlLayout> controls;
};

}  // namespace qirvo
