// Ballwand: a ball bounces in a 4-bit window and the player keeps it up with
// a bat. The clock drives the ball (its speed is in pixels a second, however
// often a frame comes), the arrow keys move the bat, the space bar pauses and
// Esc ends the game. The first text line of the window shows the score; the
// picture below it is drawn with lines in palette colours.
#include "program.h"

#include <algorithm>
#include <cmath>
#include <string>

#include <vxtools.h>

namespace ballwand {

namespace {

using namespace vx;

constexpr uint8_t Window = 0;
constexpr int64_t Width = 640, Height = 480;
constexpr int64_t FieldTop = 32;  // below the score line
constexpr int64_t BallSize = 12;
constexpr int64_t BatWidth = 96, BatHeight = 10, BatY = 456, BatStep = 32;
constexpr int64_t Navy = 2, Green = 12, Yellow = 13, White = 15;
constexpr int64_t LeftKey = 8, RightKey = 21, EscapeKey = 27, SpaceKey = 32;
constexpr int64_t FrameMilliseconds = 20;

struct Game {
  double x = 0, y = 0;      // the ball's top left corner
  double dx = 0, dy = 0;    // its speed, pixels a second
  int64_t bat = (Width - BatWidth) / 2;
  int64_t hits = 0, misses = 0;
  bool paused = false;
};

void serve(Game& game) {
  game.x = (Width - BallSize) / 2.0;
  game.y = FieldTop + 40.0;
  game.dx = 180.0 * (game.misses % 2 == 0 ? 1 : -1);
  game.dy = 240.0;
}

// A filled rectangle in a palette colour, drawn as lines.
void box(int64_t x, int64_t y, int64_t width, int64_t height, int64_t colour) {
  t_Color(Window, colour);
  for (int64_t row = y; row < y + height; ++row) g_Line(Window, x, row, x + width - 1, row);
}

void drawball(const Game& game, int64_t colour) {
  box(std::lround(game.x), std::lround(game.y), BallSize, BallSize, colour);
}

void drawbat(const Game& game, int64_t colour) { box(game.bat, BatY, BatWidth, BatHeight, colour); }

void showscore(const Game& game) {
  t_Color(Window, White, Navy);
  t_CursorHome(Window);
  t_Print(Window, "Treffer " + inttostring(game.hits, 32, 3, false) + "  Daneben " +
                      inttostring(game.misses, 32, 3, false) + (game.paused ? "  Pause " : "        "));
}

// Moves the ball by the time passed, bouncing off the walls and the bat.
void move(Game& game, double seconds) {
  game.x += game.dx * seconds;
  game.y += game.dy * seconds;
  if (game.x < 0 || game.x > Width - BallSize) {
    game.dx = game.x < 0 ? std::abs(game.dx) : -std::abs(game.dx);
    game.x = std::clamp(game.x, 0.0, static_cast<double>(Width - BallSize));
  }
  if (game.y < FieldTop) {
    game.dy = std::abs(game.dy);
    game.y = FieldTop;
  }
  const bool overbat = game.x + BallSize > game.bat && game.x < game.bat + BatWidth;
  if (game.dy > 0 && overbat && game.y + BallSize >= BatY && game.y + BallSize <= BatY + BatHeight) {
    game.dy = -std::abs(game.dy) * 1.05;  // a little faster with each hit
    ++game.hits;
    showscore(game);
  }
  if (game.y > Height) {
    ++game.misses;
    serve(game);
    showscore(game);
  }
}

// Takes the keys that came since the last frame; false once Esc was pressed.
bool keys(Game& game) {
  for (int64_t key = t_GetEvent(); key >= 0; key = t_GetEvent()) {
    if (key == EscapeKey) return false;
    if (key == SpaceKey) {
      game.paused = !game.paused;
      showscore(game);
    }
    if (game.paused) continue;
    drawbat(game, Navy);
    if (key == LeftKey) game.bat = std::max<int64_t>(0, game.bat - BatStep);
    if (key == RightKey) game.bat = std::min(Width - BatWidth, game.bat + BatStep);
    drawbat(game, Green);
  }
  return true;
}

}  // namespace

void program() {
  t_InitWindow(Window, 4, Width / 16, Height / 32, 8, "MenloRegular 16x32.font");
  WindowTable[Window].ScrollLock = true;  // the score line never scrolls the field away
  t_WindowCenter(Window);
  t_WindowFront(Window);
  g_ClearScreen(Window, Navy, -1);
  Game game;
  serve(game);
  showscore(game);
  drawbat(game, Green);
  double last = host().absoluteTime();
  while (keys(game)) {
    const double now = host().absoluteTime();
    // A stalled frame moves the ball no further than a tenth of a second.
    const double seconds = std::min(now - last, 0.1);
    last = now;
    if (!game.paused) {
      drawball(game, Navy);
      move(game, seconds);
      drawbat(game, Green);
      drawball(game, Yellow);
    }
    t_WindowUpdate(Window, false);
    sleepmilliseconds(FrameMilliseconds);
  }
  t_Cr(Window);
  t_QuitProgram(Window);
}

}  // namespace ballwand
