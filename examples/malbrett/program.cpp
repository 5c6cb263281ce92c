// Malbrett: drawing with the mouse on a 24-bit picture. Each click draws a
// line from the last point to the clicked one; a right click (or the space
// bar) lifts the pen. The keys 0-9 and a-f choose one of the sixteen palette
// colours. The program's own menu "Bild" starts a new picture, opens a ".gr"
// file and saves the picture as one, through the file panels.
#include "program.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <optional>
#include <string>

#include <vxtools.h>

namespace malbrett {

namespace {

using namespace vx;

constexpr uint8_t TextWindow = 0;
constexpr uint8_t Canvas = 1;
constexpr int64_t Width = 640;
constexpr int64_t Height = 400;
constexpr int64_t White = 15;
// The tags of the program's own menu items: choices with these tags reach the
// program through the menu event queue.
constexpr int64_t NewTag = 1001, OpenTag = 1002, SaveTag = 1003;
constexpr int64_t EscapeKey = 27;

struct Pen {
  int64_t colour = 0;  // palette index
  bool down = false;   // a line is being drawn; (x, y) is its last point
  int64_t x = 0, y = 0;
};

void status(const std::string& text) {
  t_Htab(TextWindow, 1);
  t_ClearEndOfLine(TextWindow);
  t_Print(TextWindow, text);
}

// The chosen colour as a swatch: spaces on that background (escape command
// ESC followed by 'P' + colour), then the background black again.
void showcolour(int64_t colour) {
  t_Htab(TextWindow, 1);
  t_CursorUp(TextWindow);
  t_ClearEndOfLine(TextWindow);
  t_Print(TextWindow, "Farbe " + inttostring(colour, 32, 2, false) + " \x1B" +
                          static_cast<char>('P' + colour) + "      \x1BP");
  t_Cr(TextWindow);
}

void openwindows() {
  t_InitWindow(TextWindow, 24, 50, 5, 8, "MenloRegular 16x32.font");
  const int64_t top = t_WindowPos(TextWindow, PosScreenHeight) - t_WindowPos(TextWindow, PosOuterHeight);
  t_WindowSize(TextWindow, 0, top, -1, -1);
  t_WindowFront(TextWindow);
  t_Print(TextWindow, "Klicken zeichnet, rechts klicken setzt ab.");
  t_Cr(TextWindow);
  t_Print(TextWindow, "0-9, a-f: Farbe; Leertaste setzt ab; Esc: Ende.");
  t_Cr(TextWindow);
  t_Cr(TextWindow);
  t_Cr(TextWindow);
  t_InitWindow(Canvas, 24, false, Width, Height, 5, 5, t_Font{}, true);
  t_ColorBorder(Canvas, 5);
  // Beside the text window, at the top of the screen.
  t_WindowSize(Canvas, t_WindowPos(TextWindow, PosOuterWidth),
               t_WindowPos(Canvas, PosScreenHeight) - t_WindowPos(Canvas, PosOuterHeight), -1, -1);
  g_ClearScreen(Canvas, White, -1);
  t_WindowFront(Canvas);
  t_WindowUpdate(Canvas, false);
}

void click(Pen& pen, const t_Event& event) {
  const bool right = (event.Index & 2) != 0;
  if (right || event.Window != Canvas || event.ClickX < 0 || event.ClickY < 0) {
    pen.down = false;
    return;
  }
  t_Color(Canvas, pen.colour);
  if (pen.down) g_Line(Canvas, pen.x, pen.y, event.ClickX, event.ClickY);
  else g_Plot(Canvas, event.ClickX, event.ClickY);
  pen.down = true;
  pen.x = event.ClickX;
  pen.y = event.ClickY;
  t_WindowUpdate(Canvas, false);
}

void key(Pen& pen, int64_t value) {
  const std::string digits = "0123456789abcdef";
  const size_t colour = digits.find(static_cast<char>(std::tolower(static_cast<int>(value & 0x7F))));
  if (value == EscapeKey) {
    t_Cr(TextWindow);  // the closing message goes below the last status
    t_QuitProgram(TextWindow);
  }
  if (value == ' ') pen.down = false;
  if (colour == std::string::npos || value > 127) return;
  pen.colour = static_cast<int64_t>(colour);
  showcolour(pen.colour);
}

void save() {
  const std::string path = t_SavePanel("Bild.gr", "Bild sichern", "Das Bild als Grafik sichern", "gr");
  if (path.empty()) return;
  const t_Graphic graphic = g_EncodeGraphic(g_GetScreen(Canvas));
  if (setbinarytofile(path, graphicfilebytes(graphic)) == 0) status("Gesichert: " + filenameofpath(path));
  else status("Konnte nicht sichern: " + filenameofpath(path));
}

// Reads a picture the program saved: 24 bits and the canvas's size. Its
// pixels (red, green, blue, row by row) are the window's memory exactly.
void open() {
  const std::string path = t_OpenPanel("Bild öffnen", "Eine Grafik des Malbretts öffnen", "gr", true, false);
  if (path.empty()) return;
  const GraphicReading reading = readgraphicfile(getbinaryfromfile(path));
  const t_Graphic& picture = reading.Graphic;
  if (!reading.ok()) {
    status("Nicht lesbar: " + filenameofpath(path));
  } else if (picture.Format != g_FormatRGBColor || picture.Width != Width || picture.Height != Height) {
    status("Kein Malbrett-Bild (640 x 400, 24 Bit)");
  } else {
    std::copy(picture.Data.begin(), picture.Data.end(), ToolkitMemory.begin() + WindowTable[Canvas].MemoryStart);
    t_WindowUpdate(Canvas, false);
    status("Geöffnet: " + filenameofpath(path));
  }
}

void command(Pen& pen, int64_t tag) {
  pen.down = false;
  if (tag == NewTag) {
    g_ClearScreen(Canvas, White, -1);
    t_WindowUpdate(Canvas, false);
    status("Neues Bild");
  } else if (tag == OpenTag) {
    open();
  } else if (tag == SaveTag) {
    save();
  }
}

}  // namespace

void program() {
  openwindows();
  // Menu events are never taken out of their queue: the program counts those
  // it has seen, from before its menu exists.
  int64_t menuseen = MenuEventQueue.size();
  t_AddMenu("Bild", {{"Neues Bild", NewTag, "n"},
                     {"Bild öffnen …", OpenTag, "o"},
                     {"Bild sichern …", SaveTag, "b"}});
  Pen pen;
  showcolour(pen.colour);
  status("Bereit.");
  // Clicks, keys and the choices of the program's own menu all arrive in
  // queues; the program takes them in turn on its own thread, so that only
  // this thread draws.
  for (;;) {
    // Keys and clicks are taken in the order they came.
    const std::optional<t_Event> mouse = MouseEventQueue.at(0), typed = EventQueue.at(0);
    if (mouse && (!typed || mouse->Time < typed->Time)) {
      MouseEventQueue.takefirst();
      click(pen, *mouse);
    } else if (typed) {
      key(pen, t_GetEvent());
    } else if (const std::optional<t_MenuEvent> menu = MenuEventQueue.at(menuseen)) {
      ++menuseen;
      command(pen, menu->ItemAction);
    } else {
      sleepmilliseconds(10);
    }
  }
}

}  // namespace malbrett
