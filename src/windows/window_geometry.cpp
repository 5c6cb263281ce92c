#include "windows/window_geometry.h"

#include <algorithm>

#include "host/host.h"
#include "host/main_thread.h"
#include "runtime/app_delegate.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/saturating.h"

namespace vx {
namespace {

// What every code reads, gathered once on the main thread.
struct Geometry {
  bool fromrecord = false;  // a slot while the memory is ready
  bool slot = false;
  int64_t ow = 0, oh = 0;   // outer width and height
  int64_t picturewidth = 0, pictureheight = 0;
  int64_t framex = 0, framey = 0;
  int64_t screenwidth = 0, screenheight = 0;
  int64_t titleheight = 0, borderwidth = 0, borderheight = 0;
};

Geometry readgeometry(uint8_t window, HostWindow hostwindow) {
  Host& h = host();
  const Rect frame = h.windowFrame(hostwindow);
  const Size screen = h.screenSize(hostwindow);
  Geometry g;
  g.slot = window < 8;
  g.fromrecord = g.slot && MemoryReady;
  g.framex = truncatedint(frame.x);
  g.framey = truncatedint(frame.y);
  g.screenwidth = truncatedint(screen.width);
  g.screenheight = truncatedint(screen.height);
  if (g.fromrecord) {
    const t_Window& w = WindowTable[window];
    g.titleheight = w.TitleHeight;
    g.borderwidth = w.BorderWidth;
    g.borderheight = w.BorderHeight;
    g.picturewidth = w.Width;
    g.pictureheight = w.Height;
    // The outer size the picture asks for, unless the host gave the window
    // less (a screen too small for it): then the frame it really has.
    // Sums of fields a program may have set to anything saturate.
    g.ow = std::min(satadd(w.Width, satmul(2, w.BorderWidth)), truncatedint(frame.width));
    g.oh = std::min(satadd(satadd(w.Height, satmul(2, w.BorderHeight)), w.TitleHeight),
                    truncatedint(frame.height));
  } else {
    g.titleheight = titlebarheight;
    g.ow = truncatedint(frame.width);
    g.oh = truncatedint(frame.height);
    g.picturewidth = g.ow;
    g.pictureheight = satsub(g.oh, g.titleheight);
  }
  return g;
}

// Codes 0..7: the text geometry of a slot, the outer size of a special window.
int64_t textcode(uint8_t window, const Geometry& g, int64_t code) {
  if (g.fromrecord) {
    const t_Window& w = WindowTable[window];
    switch (code) {
      case PosTextFirstColumn: return w.TextFirstColumn;
      case PosTextFirstLine: return w.TextFirstLine;
      case PosTextLastColumn: return w.TextLastColumn;
      case PosTextLastLine: return w.TextLastLine;
      case PosTextAreaColumns: return satadd(satsub(w.TextLastColumn, w.TextFirstColumn), 1);
      case PosTextAreaLines: return satadd(satsub(w.TextLastLine, w.TextFirstLine), 1);
      case PosTextColumns: return w.TextWidth;
      default: return w.TextHeight;
    }
  }
  if (g.slot) return 0;
  switch (code) {
    case PosTextFirstColumn: case PosTextFirstLine: return 0;
    case PosTextLastColumn: return satsub(g.ow, 1);
    case PosTextLastLine: return satsub(g.oh, 1);
    case PosTextAreaColumns: case PosTextColumns: return g.ow;
    default: return g.oh;
  }
}

int64_t windowpos(uint8_t window, const Geometry& g, int64_t code) {
  if (code >= PosTextFirstColumn && code <= PosTextLines) return textcode(window, g, code);
  switch (code) {
    case PosPictureWidth: return g.picturewidth;
    case PosPictureHeight: return g.pictureheight;
    case PosOuterWidth: return g.ow;
    case PosOuterHeightWithoutTitle: return satsub(g.oh, g.titleheight);
    case PosOuterHeight: return g.oh;
    case PosFrameX: return g.framex;
    case PosTopDistance: return satsub(satsub(g.screenheight, g.framey), g.oh);
    case PosScreenWidth: return g.screenwidth;
    case PosScreenHeight: return g.screenheight;
    case PosTitleHeight: return g.titleheight;
    case PosBorderWidth: return g.borderwidth;
    case PosBorderHeight: return g.borderheight;
    case PosFrameY: return g.framey;
    default: return 0;
  }
}

}  // namespace

int64_t t_WindowPos(uint8_t window, int64_t code) {
  const auto hostwindow = t_GetHostWindow(window);
  if (!hostwindow) {
    log("t_WindowPos: Window does not exist.");
    return 0;
  }
  return onmainthread([&] { return windowpos(window, readgeometry(window, *hostwindow), code); },
                      int64_t{0});
}

}  // namespace vx
