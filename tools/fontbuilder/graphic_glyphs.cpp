#include "graphic_glyphs.h"

#include <cmath>
#include <functional>
#include <map>
#include <utility>
#include <vector>

namespace fontbuilder {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr int CentreX = GlyphWidth / 2;
constexpr int CentreY = GlyphHeight / 2;

using Point = std::pair<double, double>;

// Even-odd rule, so stars and other concave outlines fill correctly.
bool insidepolygon(const std::vector<Point>& polygon, double x, double y) {
  bool inside = false;
  for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
    const auto [xi, yi] = polygon[i];
    const auto [xj, yj] = polygon[j];
    if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
  }
  return inside;
}

void polygon(GlyphCanvas& canvas, const std::vector<Point>& points) {
  canvas.fillshape([&](double x, double y) { return insidepolygon(points, x, y); });
}

// An ellipse around the cell's centre; `thickness` 0 fills it, else a ring.
void ellipse(GlyphCanvas& canvas, double rx, double ry, double thickness) {
  canvas.fillshape([=](double x, double y) {
    const double dx = x - CentreX;
    const double dy = y - CentreY;
    const bool outer = (dx * dx) / (rx * rx) + (dy * dy) / (ry * ry) <= 1.0;
    if (thickness <= 0) return outer;
    const double ix = rx - thickness;
    const double iy = ry - thickness;
    return outer && (dx * dx) / (ix * ix) + (dy * dy) / (iy * iy) > 1.0;
  });
}

// A straight stroke of the given width between two points.
void stroke(GlyphCanvas& canvas, Point from, Point to, double width) {
  canvas.fillshape([=](double x, double y) {
    const double vx = to.first - from.first;
    const double vy = to.second - from.second;
    const double length2 = vx * vx + vy * vy;
    double t = ((x - from.first) * vx + (y - from.second) * vy) / length2;
    t = std::fmax(0.0, std::fmin(1.0, t));
    const double dx = x - (from.first + t * vx);
    const double dy = y - (from.second + t * vy);
    return dx * dx + dy * dy <= width * width / 4;
  });
}

// ---- Box drawing ------------------------------------------------------------

enum class Line { None, Thin, Heavy, Double };

struct Arms {
  Line up = Line::None;
  Line down = Line::None;
  Line left = Line::None;
  Line right = Line::None;
};

// The band of an arm from the centre to the cell's edge, `width` wide and
// including the centre square, so that arms meet without a notch.
void armband(GlyphCanvas& canvas, int direction, int width, bool erase) {
  const int low = width / 2;
  int x = 0, y = 0, w = 0, h = 0;
  switch (direction) {
    case 0: x = CentreX - low, y = 0, w = width, h = CentreY - low + width; break;  // up
    case 1: x = CentreX - low, y = CentreY - low, w = width, h = GlyphHeight; break;  // down
    case 2: x = 0, y = CentreY - low, w = CentreX - low + width, h = width; break;  // left
    default: x = CentreX - low, y = CentreY - low, w = GlyphWidth, h = width; break;  // right
  }
  if (erase) {
    canvas.clearrect(x, y, w, h);
  } else {
    canvas.fillrect(x, y, w, h);
  }
}

// Double lines are a band three strokes wide with its middle stroke taken
// out again; done for all arms together, the joins form proper corners.
void boxglyph(GlyphCanvas& canvas, const Arms& arms, int thin) {
  const Line lines[4] = {arms.up, arms.down, arms.left, arms.right};
  for (int d = 0; d < 4; ++d) {
    if (lines[d] == Line::Thin) armband(canvas, d, thin, false);
    if (lines[d] == Line::Heavy) armband(canvas, d, 2 * thin, false);
    if (lines[d] == Line::Double) armband(canvas, d, 3 * thin, false);
  }
  for (int d = 0; d < 4; ++d) {
    if (lines[d] == Line::Double) armband(canvas, d, thin, true);
  }
}

Arms single(bool up, bool down, bool left, bool right) {
  auto pick = [](bool on) { return on ? Line::Thin : Line::None; };
  return {pick(up), pick(down), pick(left), pick(right)};
}

Arms twin(bool up, bool down, bool left, bool right) {
  auto pick = [](bool on) { return on ? Line::Double : Line::None; };
  return {pick(up), pick(down), pick(left), pick(right)};
}

// ---- Arrows and shapes ------------------------------------------------------

// An arrow along the vertical (up or down) through the cell's centre.
void verticalarrow(GlyphCanvas& canvas, bool up, bool down, int thin) {
  const double top = up ? 12 : 5;
  const double bottom = down ? 20 : 27;
  canvas.fillshape([&](double x, double y) {
    return std::fabs(x - CentreX) <= thin / 2.0 + 0.25 && y >= top && y <= bottom;
  });
  if (up) polygon(canvas, {{CentreX, 4}, {14.5, 13}, {1.5, 13}});
  if (down) polygon(canvas, {{CentreX, 28}, {14.5, 19}, {1.5, 19}});
}

void horizontalarrow(GlyphCanvas& canvas, bool left, bool right, int thin) {
  const double from = left ? 6 : 1;
  const double to = right ? 10 : 15;
  canvas.fillshape([&](double x, double y) {
    return std::fabs(y - CentreY) <= thin / 2.0 + 0.25 && x >= from && x <= to;
  });
  if (left) polygon(canvas, {{0.5, CentreY}, {7, CentreY - 6.5}, {7, CentreY + 6.5}});
  if (right) polygon(canvas, {{15.5, CentreY}, {9, CentreY - 6.5}, {9, CentreY + 6.5}});
}

void returnarrow(GlyphCanvas& canvas, int thin) {
  canvas.fillrect(12, 8, thin, 12);
  canvas.fillrect(5, 20 - thin / 2, 12 - 5 + thin, thin);
  polygon(canvas, {{1, 20}, {7, 15}, {7, 25}});
}

void star(GlyphCanvas& canvas) {
  std::vector<Point> points;
  for (int i = 0; i < 10; ++i) {
    const double radius = i % 2 == 0 ? 7.8 : 3.2;
    const double angle = -Pi / 2 + i * Pi / 5;
    points.push_back({CentreX + radius * std::cos(angle), CentreY + radius * std::sin(angle)});
  }
  polygon(canvas, points);
}

// Shades set a share of the pixels in an even pattern, so they keep their
// look at one bit per pixel where grey levels would not.
void shade(GlyphCanvas& canvas, int share) {
  for (int y = 0; y < GlyphHeight; ++y) {
    for (int x = 0; x < GlyphWidth; ++x) {
      const bool quarter = y % 2 == 0 ? x % 4 == 0 : x % 4 == 2;
      const bool half = (x + y) % 2 == 0;
      const bool on = share == 1 ? quarter : share == 2 ? half : !quarter;
      if (on) canvas.ink(x, y, 255);
    }
  }
}

void inverted(GlyphCanvas& canvas, const std::function<void(GlyphCanvas&)>& draw) {
  GlyphCanvas shape;
  draw(shape);
  for (int y = 0; y < GlyphHeight; ++y) {
    for (int x = 0; x < GlyphWidth; ++x) canvas.ink(x, y, 255 - shape.at(x, y));
  }
}

void quadrants(GlyphCanvas& canvas, bool upperleft, bool upperright, bool lowerleft,
               bool lowerright) {
  if (upperleft) canvas.fillrect(0, 0, CentreX, CentreY);
  if (upperright) canvas.fillrect(CentreX, 0, CentreX, CentreY);
  if (lowerleft) canvas.fillrect(0, CentreY, CentreX, CentreY);
  if (lowerright) canvas.fillrect(CentreX, CentreY, CentreX, CentreY);
}

// A shelf sitting on the baseline: the mark for a space that should be seen.
void visiblespace(GlyphCanvas& canvas, const GraphicStyle& style) {
  const int t = style.stroke;
  canvas.fillrect(2, style.baseline - t, 12, t);
  canvas.fillrect(2, style.baseline - 6, t, 6);
  canvas.fillrect(14 - t, style.baseline - 6, t, 6);
}

using Drawing = std::function<void(GlyphCanvas&, const GraphicStyle&)>;

Drawing box(const Arms& arms) {
  return [arms](GlyphCanvas& c, const GraphicStyle& s) { boxglyph(c, arms, s.stroke); };
}

const std::map<int, Drawing>& drawings() {
  static const std::map<int, Drawing> table = [] {
    std::map<int, Drawing> t;
    // 0..31: shapes, arrows, blocks, shades, diagonals.
    t[0] = [](GlyphCanvas& c, const GraphicStyle&) { c.fillrect(3, 10, 10, 12); };
    t[1] = [](GlyphCanvas& c, const GraphicStyle& s) { verticalarrow(c, true, false, s.stroke); };
    t[2] = [](GlyphCanvas& c, const GraphicStyle& s) { verticalarrow(c, false, true, s.stroke); };
    t[3] = [](GlyphCanvas& c, const GraphicStyle& s) { horizontalarrow(c, false, true, s.stroke); };
    t[4] = [](GlyphCanvas& c, const GraphicStyle& s) { horizontalarrow(c, true, false, s.stroke); };
    t[5] = [](GlyphCanvas& c, const GraphicStyle& s) { horizontalarrow(c, true, true, s.stroke); };
    t[6] = [](GlyphCanvas& c, const GraphicStyle& s) { verticalarrow(c, true, true, s.stroke); };
    t[7] = [](GlyphCanvas& c, const GraphicStyle&) {
      polygon(c, {{CentreX, 6}, {15, CentreY}, {CentreX, 26}, {1, CentreY}});
    };
    t[8] = [](GlyphCanvas& c, const GraphicStyle&) {
      inverted(c, [](GlyphCanvas& shape) { ellipse(shape, 4.5, 4.5, 0); });
    };
    t[9] = [](GlyphCanvas& c, const GraphicStyle& s) { ellipse(c, 6.5, 6.5, s.stroke); };
    t[10] = [](GlyphCanvas& c, const GraphicStyle& s) {
      inverted(c, [&](GlyphCanvas& shape) { ellipse(shape, 6, 6, s.stroke); });
    };
    t[11] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{CentreX, 8}, {15, 24}, {1, 24}}); };
    t[12] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{CentreX, 24}, {15, 8}, {1, 8}}); };
    t[13] = [](GlyphCanvas& c, const GraphicStyle& s) { returnarrow(c, s.stroke); };
    t[14] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{15, CentreY}, {2, 7}, {2, 25}}); };
    t[15] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{1, CentreY}, {14, 7}, {14, 25}}); };
    t[16] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, true, false, false); };
    t[17] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, false, true, true); };
    t[18] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, false, true, false); };
    t[19] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, true, false, true); };
    t[20] = [](GlyphCanvas& c, const GraphicStyle&) { shade(c, 1); };
    t[21] = [](GlyphCanvas& c, const GraphicStyle&) { shade(c, 2); };
    t[22] = [](GlyphCanvas& c, const GraphicStyle&) { shade(c, 3); };
    t[23] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, true, true, true); };
    t[24] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, false, true, false); };
    t[25] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, false, false, true); };
    t[26] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, false, false, false); };
    t[27] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, true, false, false); };
    t[28] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, false, false, true); };
    t[29] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, false, true, true, false); };
    t[30] = [](GlyphCanvas& c, const GraphicStyle& s) {
      stroke(c, {GlyphWidth, 0}, {0, GlyphHeight}, s.stroke + 0.5);
    };
    t[31] = [](GlyphCanvas& c, const GraphicStyle& s) {
      stroke(c, {0, 0}, {GlyphWidth, GlyphHeight}, s.stroke + 0.5);
    };
    // 127..160: what the pasteboard writes as "#", "*", "<", "=", ">", "O",
    // "+", "|" and "-".
    t[127] = [](GlyphCanvas& c, const GraphicStyle&) { shade(c, 2); };
    t[128] = [](GlyphCanvas& c, const GraphicStyle&) { star(c); };
    t[129] = [](GlyphCanvas& c, const GraphicStyle&) { quadrants(c, true, true, true, true); };
    t[130] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{1, CentreY}, {14, 7}, {14, 25}}); };
    t[131] = box(twin(false, false, true, true));
    t[132] = [](GlyphCanvas& c, const GraphicStyle&) { polygon(c, {{15, CentreY}, {2, 7}, {2, 25}}); };
    t[133] = [](GlyphCanvas& c, const GraphicStyle& s) { ellipse(c, 6.5, 8.5, s.stroke); };
    t[134] = box(single(false, true, false, true));   // top left corner
    t[135] = box(single(false, true, true, false));   // top right corner
    t[136] = box(single(true, false, false, true));   // bottom left corner
    t[137] = box(single(true, false, true, false));   // bottom right corner
    t[138] = box(single(true, true, false, false));
    t[139] = box(twin(true, true, false, false));
    t[140] = [](GlyphCanvas& c, const GraphicStyle& s) { c.fillrect(0, 0, GlyphWidth, s.stroke); };
    t[141] = [](GlyphCanvas& c, const GraphicStyle& s) {
      c.fillrect(0, GlyphHeight - s.stroke, GlyphWidth, s.stroke);
    };
    t[142] = box(single(true, true, false, true));
    t[143] = box(single(true, true, true, false));
    t[144] = box(single(false, true, true, true));
    t[145] = box(single(true, false, true, true));
    t[146] = box(single(true, true, true, true));
    t[147] = box(twin(false, true, false, true));
    t[148] = box(twin(false, true, true, false));
    t[149] = box(twin(true, false, false, true));
    t[150] = box(twin(true, false, true, false));
    t[151] = box(twin(true, true, false, true));
    t[152] = box(twin(true, true, true, false));
    t[153] = box(twin(true, true, true, true));
    t[154] = box({Line::None, Line::None, Line::Heavy, Line::Heavy});
    t[155] = [](GlyphCanvas& c, const GraphicStyle& s) {
      c.fillrect(1, CentreY - s.stroke / 2, 6, s.stroke);
      c.fillrect(9, CentreY - s.stroke / 2, 6, s.stroke);
    };
    t[156] = box(single(false, false, true, true));
    t[157] = box({Line::Heavy, Line::Heavy, Line::None, Line::None});
    t[158] = box({Line::Heavy, Line::Heavy, Line::Heavy, Line::Heavy});
    t[159] = [](GlyphCanvas& c, const GraphicStyle& s) {
      c.fillrect(2, 11, 12, s.stroke + 1);
      c.fillrect(2, 20 - s.stroke, 12, s.stroke + 1);
    };
    t[160] = [](GlyphCanvas& c, const GraphicStyle& s) { visiblespace(c, s); };
    return t;
  }();
  return table;
}

}  // namespace

bool isgraphiccode(int code) { return (code >= 0 && code <= 31) || (code >= 127 && code <= 160); }

GlyphCanvas graphicglyph(int code, const GraphicStyle& style) {
  GlyphCanvas canvas;
  const auto found = drawings().find(code);
  if (found != drawings().end()) found->second(canvas, style);
  return canvas;
}

}  // namespace fontbuilder
