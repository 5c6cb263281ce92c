#pragma once
/// \file
/// The records of one window slot and of a bitmap font.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/shared_field.h"
#include "runtime/types.h"

namespace vx {

/// A bitmap font. It is present exactly when Data is not empty.
struct t_Font {
  int64_t HeaderSize = 16;  ///< bytes of the font file's header, 16
  std::vector<uint8_t> Identifier{'v', 'x', 'f', 'n'};  ///< the file's four identifying bytes, "vxfn"
  int64_t Format = 0;  ///< how Data holds the glyphs: FontFormatPlain, FontFormatGrey or a compressed form (console/font_resource.h)
  int64_t Size = 0;  ///< carried from the file header, not interpreted
  uint8_t Start = 0;  ///< the first character code the font draws
  uint8_t End = 0;  ///< the last character code the font draws
  int64_t Width = 0;  ///< pixels of a glyph across
  int64_t Height = 0;  ///< pixel rows of a glyph
  int64_t Reserved = 0;  ///< carried from the file header, not interpreted
  std::vector<uint8_t> Data;  ///< the glyphs: code c at byte c x Width x Height, rows from the top (codes below Start keep their room)
  friend bool operator==(const t_Font&, const t_Font&) = default;  ///< equal when every field is
};

/// One window slot. Field order and initial values are those every slot gets
/// when the toolkit memory is created; t_InitWindow sets most of them again.
/// The flags and refresh times are read by the refresh thread and the views
/// while the program thread writes them, so they are atomic. The geometry is
/// written only while Initialized is false and read after it is seen true.
struct t_Window {
  Shared<bool> Initialized = false;  ///< the slot was made by t_InitWindow and has its view
  Shared<bool> Visible = false;  ///< the host window shows; a hidden window gives no image
  Shared<bool> IgnoreEvents = false;  ///< the window's key and mouse events are not queued
  Shared<bool> AutoUpdate = false;  ///< the refresh process redraws the window at RefreshRate
  Shared<bool> QuickUpdate = false;  ///< the view takes its picture at once rather than in its next draw
  Shared<bool> ScrollLock = false;  ///< the text area never scrolls while set
  Shared<bool> VerticalBlank = true;  ///< false while the view is being drawn
  Shared<int64_t> UpdateStarted = 0;  ///< when the last redraw was asked for, ms of the host clock
  Shared<int64_t> UpdateFinished = 0;  ///< when the last image was finished, ms of the host clock
  Shared<int64_t> UpdateDuration = 0;  ///< how long the last image took to build, µs
  Shared<int64_t> RefreshRate = 30;  ///< redraws a second of the refresh process
  std::optional<HostWindow> Window;  ///< the slot's host window
  std::optional<HostView> View;  ///< the slot's view
  Rect DrawingRect;  ///< where the picture is drawn inside the view, in points
  int64_t TitleHeight = 0;  ///< points of the visible title bar, 0 without one
  int64_t BorderWidth = 0;  ///< points between the picture and the window's left and right edges
  int64_t BorderHeight = 0;  ///< points between the picture and the window's top and bottom edges
  t_RGBColor RGBColorBorder{255, 0, 0, 0};  ///< the border's colour
  int64_t BitDepth = 0;  ///< bits a pixel: 1, 4, 8, 16, 24 or 32
  int64_t Width = 0;  ///< pixels a row of the picture
  int64_t Height = 0;  ///< rows of the picture
  t_RGBColor RGBColor{255, 0, 0, 0};  ///< the drawing colour
  int64_t DrawingMode = 0;  ///< how a plotted colour combines with the stored pixel at 24 and 32 bits (0 store, 1 blend, 2 store opaque, 3 keep alpha, 4 average, 5 AND, 6 OR, 7 XOR)
  int64_t PositionX = 0;  ///< the last point g_Plot set, across
  int64_t PositionY = 0;  ///< the last point g_Plot set, down
  int64_t MemoryStart = -1;  ///< first address of the picture in ToolkitMemory; -1 none
  int64_t MemoryEnd = -1;  ///< last address of the picture, inclusive; -1 none
  t_Font Font;  ///< the text font; a graphic window's has no Data
  int64_t TextWidth = 0;  ///< text columns
  int64_t TextHeight = 0;  ///< text lines
  int64_t TextFirstColumn = 0;  ///< first column of the text area (from 1)
  int64_t TextLastColumn = 0;  ///< last column of the text area
  int64_t TextFirstLine = 0;  ///< first line of the text area (from 1)
  int64_t TextLastLine = 0;  ///< last line of the text area
  int64_t TextHpos = 0;  ///< the cursor's column (from 1)
  int64_t TextVpos = 0;  ///< the cursor's line (from 1)
  uint8_t TextColor = 0;  ///< text colours: foreground palette index in the high nibble, background in the low
  bool TextInverse = false;  ///< characters print with their colours swapped
  int64_t TextDisplayMode = 0;  ///< the display mode (console/display_mode.h)
  int64_t TextCursorLevel = 0;  ///< the visible cursor shows while this is above 0
  Shared<int64_t> TextRedirectOutput = 1;  ///< where printed characters go (console/display_mode.h); also set from the main thread (Ctrl-keypad)
  std::string InputString;  ///< the line being edited by line input
  Shared<bool> InputFinished = false;  ///< the line input has ended
  int64_t InputMode = 0;  ///< which characters the line input accepts (console/line_input.h)
  int64_t InputHpos = 0;  ///< column where the input field starts
  int64_t InputVpos = 0;  ///< line where the input field starts
  int64_t InputCursorPos = 0;  ///< the edit cursor inside the field, 0 before its first character
  int64_t InputMaxCharacters = 0;  ///< the longest line the field takes
  int64_t LoResOffsetX = 0;  ///< carried for low-resolution modes, unused
  int64_t LoResOffsetY = 0;  ///< carried for low-resolution modes, unused
  int64_t LoResMode = 0;  ///< carried for low-resolution modes, unused
  int64_t TextMemoryStart = -1;  ///< first address of the text cells in ToolkitMemory; -1 none
  int64_t TextMemoryEnd = -1;  ///< last address of the text cells, inclusive; -1 none
};

}  // namespace vx
