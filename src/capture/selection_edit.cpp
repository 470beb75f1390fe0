#include "capture/selection_edit.h"

#include "toolkit/keys.h"

namespace qirvo {

void normaliseSelection(SelectionRect& selection, int x1, int y1, int x2, int y2) {
  if (x1 == x2 || y1 == y2) return;
  selection = {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

namespace {

SelectionRect keptOnScreen(SelectionRect r, SelectionRect atPress, ScreenSize screen) {
  const int w = atPress.width();
  const int h = atPress.height();
  if (r.left < 0) {
    r.left = 0;
    r.right = w;
  }
  if (r.right > screen.width) {
    r.right = screen.width;
    r.left = screen.width - w;
  }
  if (r.top < 0) {
    r.top = 0;
    r.bottom = h;
  }
  if (r.bottom > screen.height) {
    r.bottom = screen.height;
    r.top = screen.height - h;
  }
  return r;
}

}  // namespace

SelectionRect dragRect(HitRegion region, SelectionRect atPress, int dx, int dy,
                       SelectionRect previous, ScreenSize screen) {
  SelectionRect r = atPress;
  switch (region) {
    case HitRegion::Inside:
      return keptOnScreen({r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}, atPress, screen);
    case HitRegion::Left:
      r.left += dx;
      break;
    case HitRegion::Right:
      r.right += dx;
      break;
    case HitRegion::Top:
      r.top += dy;
      break;
    case HitRegion::Bottom:
      r.bottom += dy;
      break;
    case HitRegion::TopLeft:
      r.left += dx;
      r.top += dy;
      break;
    case HitRegion::BottomLeft:
      r.left += dx;
      r.bottom += dy;
      break;
    case HitRegion::TopRight:
      r.right += dx;
      r.top += dy;
      break;
    case HitRegion::BottomRight:
      r.right += dx;
      r.bottom += dy;
      break;
    case HitRegion::None:
    case HitRegion::Outside:
      return previous;
  }
  return r;
}

SelectionRect arrowKeyEdit(SelectionRect s, int key, int modifiers, ScreenSize screen) {
  if (modifiers == kModShift) {
    switch (key) {
      case kKeyLeft:
        if (s.right > s.left) --s.right;
        break;
      case kKeyRight:
        if (s.right < screen.width) ++s.right;
        break;
      case kKeyUp:
        if (s.bottom > s.top) --s.bottom;
        break;
      case kKeyDown:
        if (s.bottom < screen.height) ++s.bottom;
        break;
      default:
        break;
    }
    return s;
  }
  switch (key) {
    case kKeyLeft:
      if (s.left > 0) s = {s.left - 1, s.top, s.right - 1, s.bottom};
      break;
    case kKeyUp:
      if (s.top > 0) s = {s.left, s.top - 1, s.right, s.bottom - 1};
      break;
    case kKeyRight:
      if (s.right < screen.width) s = {s.left + 1, s.top, s.right + 1, s.bottom};
      break;
    case kKeyDown:
      if (s.bottom < screen.height) s = {s.left, s.top + 1, s.right, s.bottom + 1};
      break;
    default:
      break;
  }
  return s;
}

std::optional<SelectionRect> wheelEdit(SelectionRect s, int notches, ScreenSize screen) {
  if (notches == 1) {
    return SelectionRect{std::max(s.left - 1, 0), std::max(s.top - 1, 0),
                         std::min(s.right + 1, screen.width),
                         std::min(s.bottom + 1, screen.height)};
  }
  if (notches == -1) return SelectionRect{s.left + 1, s.top + 1, s.right - 1, s.bottom - 1};
  return std::nullopt;
}

}  // namespace qirvo
