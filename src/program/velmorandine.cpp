#include "program/velmorandine.h"

#include <cmath>
#include <initializer_list>

#include "codecs/graphic_export.h"
#include "console/cursor.h"
#include "console/font_resource.h"
#include "console/line_input.h"
#include "console/print.h"
#include "console/screen_text.h"
#include "events/menu_table.h"
#include "graphics/colors.h"
#include "graphics/primitives.h"
#include "graphics/star_pattern.h"
#include "host/host.h"
#include "runtime/conversions.h"
#include "console/program_end.h"
#include "runtime/threads.h"
#include "windows/window_geometry.h"
#include "windows/window_init.h"
#include "windows/window_placement.h"
#include "windows/window_refresh.h"

namespace vx {

namespace velmorandinetext {
const char* const ProgramName = "Velmorandine";
const char* const Notice = "Sterntestbild in Schwarz-Weiß";
const char* const SizePrompt = "Bitte geben Sie die den Durchmesser in Pixel (32-8192) ein: ";
const char* const SegmentPrompt = "Bitte geben Sie die Anzahl der Segmente (1-360) ein: ";
const char* const SizeRefused =
    "Die gewählte Größe ist nicht zulässig. Das Programm wird jetzt beendet.";
const char* const TimePrefix = "Benötigte Zeit = ";
}  // namespace velmorandinetext

namespace {

using namespace velmorandinetext;

constexpr uint8_t TextWindow = 0;
constexpr uint8_t GraphicWindow = 1;
constexpr int64_t SmallestDiameter = 32;
constexpr int64_t LargestDiameter = 8192;
constexpr int64_t AnswerLength = 25;
constexpr int64_t Red = 1;
constexpr int64_t Black = 0;
constexpr int64_t White = 15;

// An empty string stands for an empty line.
const std::initializer_list<const char*> helptext = {
    "Sie können die fertige Grafik in die Zwischenablage kopieren. Gehen Sie dazu in",
    "das Bearbeiten-Menü und wählen Sie Grafik kopieren. Alternativ kann die Grafik",
    "abgespeichert werden. Um die abgespeicherten Grafiken anzeigen und weiterverar-",
    "beiten zu können, benötigt man das Programm Pictavor.",
    "",
    "Die gewählte Größe darf größer als der verwendete Bildschirm sein, die Grafik",
    "wird trotzdem in der gewählten Größe kopiert oder abgespeichert.",
    "",
};

// The text window opens at the top left of the screen and the graphic window
// at the top right, so that a graphic of up to 1024 pixels leaves the prompts
// and the times beside it readable on a screen of 1920 pixels. (The host
// keeps both inside the screen, below its title bars.)
void placeAtTop(uint8_t window, bool right) {
  const int64_t x = right ? t_WindowPos(window, PosScreenWidth) - t_WindowPos(window, PosOuterWidth) : 0;
  t_WindowSize(window, x, t_WindowPos(window, PosScreenHeight) - t_WindowPos(window, PosOuterHeight), -1, -1);
}

void openTextWindow() {
  t_InitWindow(TextWindow, 24, 80, 25, 16, "MenloBold 16x32.font");
  placeAtTop(TextWindow, false);
  t_WindowFront(TextWindow);
  // From here on the menu's save command saves the front graphic window.
  MenuSaveProcedure.set([] { g_SaveGraphic(); });
  t_Header(TextWindow, ProgramName, Notice);
  t_WindowFont(TextWindow, t_LoadFontResource("MenloRegular 16x32.font"));
  t_TextLine(TextWindow);
  t_Cr(TextWindow);
  for (const char* line : helptext) {
    if (*line != '\0') t_Print(TextWindow, std::string(line));
    t_Cr(TextWindow);
  }
}

int64_t askNumber(const char* prompt) {
  const std::string answer = t_InputForm(TextWindow, prompt, "", false, InputInteger, AnswerLength);
  return binarytoint(stringtobinary(answer));
}

void openGraphicWindow(int64_t diameter) {
  const t_Font none{};  // header size 16, "vxfn", no glyphs: no text memory
  t_InitWindow(GraphicWindow, 1, false, diameter, diameter, 5, 5, none, true);
  placeAtTop(GraphicWindow, true);
  t_ColorBorder(GraphicWindow, White);
  t_Color(GraphicWindow, Black, White);
  t_Cr(TextWindow);
}

int64_t milliseconds(double seconds) { return static_cast<int64_t>(std::trunc(seconds * 1000.0)); }

void drawStar(int64_t diameter, int64_t segments) {
  g_ClearScreen(GraphicWindow, White, -1);
  const double started = host().absoluteTime();
  g_DrawVelmorandine(GraphicWindow, 0, 0, diameter - 1, diameter - 1, segments);
  const double finished = host().absoluteTime();
  const int64_t ms = milliseconds(finished) - milliseconds(started);
  t_Cr(TextWindow);
  t_Print(TextWindow, std::string(TimePrefix) + inttostring(ms, 32, 1, true) + " ms.");
  t_Cr(TextWindow);
  t_WindowFront(GraphicWindow);
  t_WindowUpdate(GraphicWindow, false);
  t_Cr(TextWindow);
}

}  // namespace

void velmorandine() {
  openTextWindow();
  const int64_t diameter = askNumber(SizePrompt);
  if (diameter < SmallestDiameter || diameter > LargestDiameter) {
    t_Color(TextWindow, Red);
    t_Cr(TextWindow);
    t_Print(TextWindow, std::string(SizeRefused));
    t_Cr(TextWindow);
  } else {
    openGraphicWindow(diameter);
    for (;;) {
      const int64_t segments = askNumber(SegmentPrompt);
      if (segments == 0) break;
      if (segments >= 1) drawStar(diameter, segments);
    }
  }
  sleepmilliseconds(1000);
  t_QuitProgram(TextWindow);
}

}  // namespace vx
