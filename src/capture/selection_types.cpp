#include "capture/selection_types.h"

namespace qirvo {

std::string_view hitRegionText(HitRegion r) {
  switch (r) {
    case HitRegion::None:
      return "";
    case HitRegion::Outside:
      return "外部";
    case HitRegion::Inside:
      return "内部";
    case HitRegion::Left:
      return "左";
    case HitRegion::Right:
      return "右";
    case HitRegion::Top:
      return "上";
    case HitRegion::Bottom:
      return "下";
    case HitRegion::TopLeft:
      return "左上";
    case HitRegion::BottomLeft:
      return "左下";
    case HitRegion::TopRight:
      return "右上";
    case HitRegion::BottomRight:
      return "右下";
  }
  return "";
}

std::string_view dragModeText(DragMode m) {
  return m == DragMode::Drag ? "拖动" : "";
}

}  // namespace qirvo
