#include "toolkit/qt/x11_screen.h"

#include <sys/ipc.h>
#include <sys/shm.h>
#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace qirvo {

namespace {
// 32-bit Z-pixmap pixels are 0x00RRGGBB: the raster's own words once made opaque.
void copyRows(Raster& out, const std::uint8_t* data) {
  const auto* px = reinterpret_cast<const std::uint32_t*>(data);
  std::uint32_t* to = out.data();
  const std::size_t n = static_cast<std::size_t>(out.width()) * out.height();
  for (std::size_t i = 0; i < n; ++i) to[i] = px[i] | Raster::kOpaque;
}
}  // namespace

X11Screen::X11Screen() {
  int screenNo = 0;
  conn_ = xcb_connect(nullptr, &screenNo);
  if (xcb_connection_has_error(conn_)) {
    xcb_disconnect(conn_);
    conn_ = nullptr;
    return;
  }
  xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
  for (int i = 0; i < screenNo && it.rem; ++i) xcb_screen_next(&it);
  root_ = it.data->root;
  rootWidth_ = it.data->width_in_pixels;
  rootHeight_ = it.data->height_in_pixels;
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(conn_, &xcb_shm_id);
  shmUsable_ = ext && ext->present;
}

X11Screen::~X11Screen() {
  if (shmData_) shmdt(shmData_);
  if (conn_) xcb_disconnect(conn_);
}

bool X11Screen::attachShm(std::size_t bytes) {
  if (shmData_ && shmSize_ >= bytes) return true;
  if (shmData_) {
    xcb_shm_detach(conn_, shmSeg_);
    shmdt(shmData_);
    shmData_ = nullptr;
  }
  // One segment for a whole screen, kept for the run: later grabs cost no allocation.
  const std::size_t size = std::max(bytes, static_cast<std::size_t>(rootWidth_) * rootHeight_ * 4);
  shmId_ = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
  if (shmId_ < 0) return false;
  void* mem = shmat(shmId_, nullptr, 0);
  // Marked for removal at once: it goes away with the last detach, even after a crash.
  shmctl(shmId_, IPC_RMID, nullptr);
  if (mem == reinterpret_cast<void*>(-1)) return false;
  shmData_ = static_cast<unsigned char*>(mem);
  shmSize_ = size;
  shmSeg_ = xcb_generate_id(conn_);
  xcb_generic_error_t* err =
      xcb_request_check(conn_, xcb_shm_attach_checked(conn_, shmSeg_, shmId_, 0));
  if (err) {
    std::free(err);
    shmdt(shmData_);
    shmData_ = nullptr;
    return false;
  }
  return true;
}

bool X11Screen::grabInto(Raster& out, Rect r) {
  const std::size_t bytes = static_cast<std::size_t>(r.width()) * r.height() * 4;
  if (shmUsable_ && attachShm(bytes)) {
    auto cookie = xcb_shm_get_image(
        conn_, root_, static_cast<std::int16_t>(r.left), static_cast<std::int16_t>(r.top),
        static_cast<std::uint16_t>(r.width()), static_cast<std::uint16_t>(r.height()), ~0u,
        XCB_IMAGE_FORMAT_Z_PIXMAP, shmSeg_, 0);
    xcb_generic_error_t* err = nullptr;
    xcb_shm_get_image_reply_t* reply = xcb_shm_get_image_reply(conn_, cookie, &err);
    if (reply && !err && reply->depth >= 24) {
      copyRows(out, shmData_);
      std::free(reply);
      return true;
    }
    std::free(reply);
    std::free(err);
    shmUsable_ = false;
  }
  auto cookie =
      xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, static_cast<std::int16_t>(r.left),
                    static_cast<std::int16_t>(r.top), static_cast<std::uint16_t>(r.width()),
                    static_cast<std::uint16_t>(r.height()), ~0u);
  xcb_get_image_reply_t* reply = xcb_get_image_reply(conn_, cookie, nullptr);
  if (!reply) return false;
  const bool ok =
      reply->depth >= 24 && static_cast<std::size_t>(xcb_get_image_data_length(reply)) >= bytes;
  if (ok) {
    copyRows(out, xcb_get_image_data(reply));
  }
  std::free(reply);
  return ok;
}

Raster X11Screen::grab(Rect r) {
  Raster out(r.width(), r.height());
  if (!conn_ || out.empty()) return out;
  std::lock_guard lock(mutex_);
  const Rect onRoot = r.intersected({0, 0, rootWidth_, rootHeight_});
  if (onRoot == r) {
    grabInto(out, r);  // the usual case: no second buffer
    return out;
  }
  if (onRoot.isEmpty()) return out;
  Raster part(onRoot.width(), onRoot.height());
  if (grabInto(part, onRoot))
    out.blit(part, 0, 0, part.width(), part.height(), onRoot.left - r.left, onRoot.top - r.top);
  return out;
}

Point X11Screen::pointer() {
  if (!conn_) return {};
  std::lock_guard lock(mutex_);
  xcb_query_pointer_reply_t* reply =
      xcb_query_pointer_reply(conn_, xcb_query_pointer(conn_, root_), nullptr);
  if (!reply) return {};
  Point p{reply->root_x, reply->root_y};
  std::free(reply);
  return p;
}

ColourValue X11Screen::pixelUnderPointer() {
  const Point p = pointer();
  return grab({p.x, p.y, p.x + 1, p.y + 1}).at(0, 0);
}

}  // namespace qirvo
