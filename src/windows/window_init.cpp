#include "windows/window_init.h"

#include "console/font_resource.h"
#include "graphics/colors.h"
#include "graphics/palette.h"
#include "graphics/picture_formats.h"
#include "graphics/star_helper.h"
#include "host/host.h"
#include "runtime/conversions.h"
#include "runtime/app_delegate.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "windows/memory_setup.h"
#include "windows/video_memory.h"
#include "windows/window_geometry.h"
#include "windows/window_placement.h"
#include "windows/window_refresh.h"

namespace vx {

uint8_t firstwindow = NoWindow;

namespace {

constexpr int64_t SmallestSide = 32;
constexpr int64_t LargestSide = 8192;
constexpr int64_t DefaultWidth = 1280;
constexpr int64_t DefaultHeight = 800;
constexpr int BorderColourIndex = 5;

struct PictureRequest {
  int64_t width;
  int64_t height;
  int64_t bitdepth;
  int64_t need = 0;  // bytes of graphic video memory
};

void correctsize(const std::string& p, PictureRequest& r) {
  if (r.width < SmallestSide || r.width > LargestSide) {
    log(p + " cannot display " + std::to_string(r.width) + " horizontal pixel.");
    r.width = DefaultWidth;
  }
  if (r.height < SmallestSide || r.height > LargestSide) {
    log(p + " cannot display " + std::to_string(r.height) + " vertical pixel.");
    r.height = DefaultHeight;
  }
}

// Aligns the width of the packed depths and works out the need; false (after
// its line) for a depth none of the six.
bool measurepicture(const std::string& p, PictureRequest& r) {
  if (!isSupportedBitDepth(r.bitdepth)) {
    log(p + " unsupported " + std::to_string(r.bitdepth) + " bit depth.");
    return false;
  }
  if (r.bitdepth == 1 && r.width % 8 != 0) {
    log(p + " width with 1 bit depth must be a multiple of 8.");
    r.width = (r.width + 7) / 8 * 8;
  }
  if (r.bitdepth == 4 && r.width % 4 != 0) {
    log(p + " width with 4 bit depth must be a multiple of 4.");
    r.width = (r.width + 1) / 4 * 4;
  }
  r.need = r.height * pictureRowBytes(r.bitdepth, r.width);
  return true;
}

struct TextRequest {
  int64_t columns = -1;
  int64_t lines = -1;
  int64_t need = 0;  // bytes of text video memory: characters and attributes
};

TextRequest measuretext(const PictureRequest& r, const t_Font& font) {
  TextRequest t;
  if (font.Data.empty()) return t;
  t.columns = font.Width > 0 ? r.width / font.Width : 0;
  t.lines = font.Height > 0 ? r.height / font.Height : 0;
  t.need = t.columns * t.lines * 2;
  return t;
}

// The text block is compared with the same amount as the graphic block, not
// with what is left after it; so it is also refused when, carved below the
// graphic block, it would reach into the lowest 64 KiB or below address 0.
bool textfits(const PictureRequest& r, const TextRequest& t, int64_t available) {
  if (t.need > available) return false;
  if (t.need == 0) return true;
  const int64_t graphicstart = blockstart(HighMemory, r.need);
  return blockstart(graphicstart - 1, t.need) >= ReservedLowMemory;
}

void fillrecord(t_Window& w, const PictureRequest& r, bool autoupdate, int64_t bw, int64_t bh,
                bool titlevisible) {
  w.UpdateStarted = 0;
  w.UpdateFinished = 0;
  w.VerticalBlank = true;
  w.IgnoreEvents = false;
  w.RefreshRate = 30;
  w.AutoUpdate = autoupdate;
  w.QuickUpdate = true;
  w.ScrollLock = false;
  w.BitDepth = r.bitdepth;
  w.Width = r.width;
  w.Height = r.height;
  w.BorderWidth = bw;
  w.BorderHeight = bh;
  w.TitleHeight = titlevisible ? titlebarheight : 0;
  w.RGBColor = t_PaletteColor(0);
  w.RGBColorBorder = t_PaletteColor(BorderColourIndex);
  w.DrawingMode = 0;
  w.PositionX = 0;
  w.PositionY = 0;
}

void filltextfields(t_Window& w, const TextRequest& t) {
  w.TextWidth = t.columns;
  w.TextHeight = t.lines;
  w.TextFirstColumn = 1;
  w.TextLastColumn = t.columns;
  w.TextFirstLine = 1;
  w.TextLastLine = t.lines;
  w.TextHpos = 1;
  w.TextVpos = 1;
  w.TextColor = 0xC0;
  w.LoResOffsetX = 0;
  w.LoResOffsetY = 0;
  w.LoResMode = 0;
}

std::string picturetext(const PictureRequest& r) {
  return std::to_string(r.width) + " x " + std::to_string(r.height) + " pixel x " +
         std::to_string(r.bitdepth) + " bit";
}

// The graphic block first, then the text block directly below it.
void carveblocks(t_Window& w, const std::string& p, const PictureRequest& r, const TextRequest& t) {
  w.MemoryEnd = HighMemory;
  w.MemoryStart = carveblock(r.need);
  log(p + " = " + picturetext(r) + " = " + kibtext(r.need) + "K video-memory = " + addresstext(w.MemoryStart) + ".");
  filltextfields(w, t);
  if (t.need == 0) {
    w.TextMemoryStart = -1;
    w.TextMemoryEnd = -1;
  } else {
    w.TextMemoryEnd = HighMemory;
    w.TextMemoryStart = carveblock(t.need);
  }
}

// Binds the slot to its view and host window and shows it cleared; false when
// the slot has no view.
bool bindview(uint8_t window, const std::string& p, const t_Font& font) {
  t_Window& w = WindowTable[window];
  const auto view = t_GetWindowView(window);
  if (!view) {
    const auto rewriting = rewriteslotgeometry();
    w.Initialized = false;
    w.Font = t_Font{};
    log(p + " could not be initialized, resource undefined.");
    return false;
  }
  const auto hostwindow = t_GetHostWindow(window);
  {
    const auto rewriting = rewriteslotgeometry();
    w.View = view;
    w.Window = hostwindow;
    w.Font = font;
    w.Initialized = true;  // only now, with every field in place
  }
  t_ClearWindowMemory(window);
  t_WindowTitle(window, windowtitlefor(host().bundlePath(), w.TextMemoryStart >= 0));
  t_WindowSize(window, -1, -1, w.Width, w.Height);
  t_ColorBorder(window, BorderColourIndex);
  return true;
}

// Pixels of `count` cells of `cell` pixels; a product too large for the
// number type reads as 0, which the size check then corrects.
int64_t cellspan(int64_t cell, int64_t count) {
  int64_t pixels = 0;
  return __builtin_mul_overflow(cell, count, &pixels) ? 0 : pixels;
}

}  // namespace

void t_InitWindow(uint8_t window, int64_t bitdepth, bool autoupdate, int64_t width, int64_t height,
                  int64_t borderwidth, int64_t borderheight, const t_Font& font, bool titlevisible) {
  if (window > 7) {
    log("t_InitWindow: Window is not a graphic window.");
    return;
  }
  const std::string p = "t_InitWindow: GraphicWindow #" + std::to_string(window);
  log(p + " Start.");
  t_EnsureMemory();
  if (firstwindow == NoWindow) firstwindow = window;
  startautoupdateprocess();
  t_Window& w = WindowTable[window];
  if (w.Initialized) {
    const auto rewriting = rewriteslotgeometry();
    freevideoblocks(window, p);
  }
  const int64_t available = HighMemory - ReservedLowMemory;

  PictureRequest r{width, height, bitdepth};
  correctsize(p, r);
  if (!measurepicture(p, r)) return;
  if (r.need > available) {
    log(p + " has not enough graphic-video-memory (" + inttostring(available / 1024, -1, 0, true) + "K available).");
    log("t_InitWindow: Displaying " + picturetext(r) + " needs " + kibtext(r.need) + "K video-memory.");
    return;
  }
  if (!titlevisible) {
    t_WindowTitleVisible(window, false);
    log(p + " title will be invisible.");
  }
  const int64_t bw = borderwidth >= 0 ? borderwidth : t_WindowPos(window, PosScreenWidth) - r.width;
  const int64_t bh = borderheight >= 0 ? borderheight : t_WindowPos(window, PosScreenHeight) - r.height;
  const TextRequest t = measuretext(r, font);
  if (!textfits(r, t, available)) {
    log(p + " has not enough text-video-memory (" + inttostring(available / 1024, -1, 0, true) + "K available).");
    log("t_InitWindow: Displaying " + std::to_string(t.columns) + " x " + std::to_string(t.lines) +
        " characters needs " + kibtext(t.need) + "K text-video-memory.");
    return;
  }

  {
    const auto rewriting = rewriteslotgeometry();
    fillrecord(w, r, autoupdate, bw, bh, titlevisible);
    carveblocks(w, p, r, t);
  }
  bindview(window, p, font);
  // A star drawn in a tall window shares its work with a helper thread,
  // which had better be running before the first drawing.
  readystarhelper(r.height);
  log(p + " End.");
}

void t_InitWindow(uint8_t window, int64_t bitdepth, int64_t columns, int64_t lines, int64_t border,
                  const std::string& fontname) {
  t_EnsureMemory();
  const t_Font font = t_LoadFontResource(fontname);
  if (font.Data.empty()) {
    log("t_InitWindow: Font '" + fontname + "' not found.");
    return;
  }
  t_InitWindow(window, bitdepth, true, cellspan(font.Width, columns), cellspan(font.Height, lines), border,
               border, font, true);
}

}  // namespace vx
