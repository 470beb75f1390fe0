#include "resources/main_window_layout.h"

namespace qirvo {

const WindowLayout& mainWindowLayout() {
  using K = ControlKind;
  static const WindowLayout layout{
      kMainWindowTitle,
      WindowStyle::FixedDialog,
      403,
      233,
      {
          {"组合框_去杂色",
           K::ComboList,
           309,
           80,
           93,
           20,
           "",
           {"去杂_不适合文字透明图片", "去杂点1", "去杂点2"}},
          {"按钮_转到处理区", K::Button, 205, 102, 88, 24, "<<转到处理区"},
          {"超文本浏览框_广告", K::HtmlView, 80, 144, 80, 56, "", {}, false},
          {"图片框_广告",
           K::PictureBox,
           312,
           152,
           68,
           56,
           "",
           {},
           true,
           "",
           CanvasStore::Transient,
           BorderStyle::ThinLine},
          {"选择框_去背景", K::CheckBox, 309, 60, 70, 16, "去背景"},
          {"标签1", K::Label, 309, 20, 40, 20, "背景色"},
          {"颜色选择器_背景", K::ColourPicker, 349, 20, 48, 20, ""},
          {"选择框_多色", K::CheckBox, 309, 41, 70, 16, "多色叠加"},
          {"标签_制作透明图片进度", K::Label, 157, 105, 34, 20, ""},
          {"标签4", K::Label, 126, 105, 30, 20, ".bmp"},
          {"标签3", K::Label, 1, 105, 41, 20, "图片名:"},
          {"编辑框_图片名称", K::EditBox, 44, 105, 80, 20, ""},
          {"按钮_保存图片1", K::Button, 309, 102, 88, 24, "保存透明图片"},
          {"按钮_放大镜", K::Button, 106, 26, 88, 24, "打开放大镜"},
          {"组合框_相识度",
           K::ComboEditable,
           349,
           0,
           48,
           20,
           "",
           {"1.0", "0.95", "0.9", "0.85", "0.8", "0.75", "0.7", "0.65", "0.6", "0.55", "0.5"}},
          {"标签2", K::Label, 309, 1, 40, 20, "相似度"},
          {"画板3", K::Canvas, 200, 1, 100, 100, "", {}, true, "", CanvasStore::Persistent},
          {"按钮_图片编辑", K::Button, 106, 51, 88, 24, "图片编辑"},
          {"按钮1", K::Button, 106, 1, 88, 24, "截图(Ctrl+1)"},
          {"按钮_保存图片", K::Button, 106, 77, 88, 24, "保存图片"},
          {"画板1", K::Canvas, 1, 1, 100, 100, ""},
          {"画板2", K::Canvas, 0, 0, 22, 22, "", {}, true, "画板1"},
      }};
  return layout;
}

}  // namespace qirvo
