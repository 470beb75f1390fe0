/* Paints a known pattern on the root window of $DISPLAY and keeps it there after exit.
   Pattern "bands" (red follows x, green follows y, blue alternates in 16 x 16 cells;
   pattern.py gives the same colour of every pixel). */
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned long bands(int x, int y) {
  /* Every pixel distinct enough to catch off-by-one errors: red follows x, green follows y,
     blue marks 16 x 16 cells. */
  unsigned long r = (unsigned long)((x * 7) & 0xFF);
  unsigned long g = (unsigned long)((y * 5) & 0xFF);
  unsigned long b = (unsigned long)((((x / 16) + (y / 16)) % 2) ? 0xC0 : 0x30);
  return (r << 16) | (g << 8) | b;
}

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: paint_root bands\n");
    return 2;
  }
  Display* d = XOpenDisplay(NULL);
  if (!d) return 1;
  int screen = DefaultScreen(d);
  Window root = RootWindow(d, screen);
  int w = DisplayWidth(d, screen);
  int h = DisplayHeight(d, screen);
  if (strcmp(argv[1], "bands") != 0) return 2;
  char* data = malloc((size_t)w * h * 4);
  XImage* img = XCreateImage(d, DefaultVisual(d, screen), 24, ZPixmap, 0, data, w, h, 32, 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) XPutPixel(img, x, y, bands(x, y));
  Pixmap pm = XCreatePixmap(d, root, w, h, 24);
  GC gc = XCreateGC(d, pm, 0, NULL);
  XPutImage(d, pm, gc, img, 0, 0, 0, 0, w, h);
  XSetWindowBackgroundPixmap(d, root, pm);
  XClearWindow(d, root);
  XSetCloseDownMode(d, RetainPermanent);
  XFlush(d);
  XCloseDisplay(d);
  return 0;
}
