#pragma once
// The records of one window slot and of a bitmap font.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/shared_field.h"
#include "runtime/types.h"

namespace vx {

// A bitmap font. It is present exactly when Data is not empty.
struct t_Font {
  int64_t HeaderSize = 16;
  std::vector<uint8_t> Identifier{'v', 'x', 'f', 'n'};
  int64_t Format = 0;
  int64_t Size = 0;  // carried from the file header, not interpreted
  uint8_t Start = 0;
  uint8_t End = 0;
  int64_t Width = 0;
  int64_t Height = 0;
  int64_t Reserved = 0;  // carried from the file header, not interpreted
  std::vector<uint8_t> Data;
  friend bool operator==(const t_Font&, const t_Font&) = default;
};

// One window slot. Field order and initial values are those every slot gets
// when the toolkit memory is created; t_InitWindow sets most of them again.
// The flags and refresh times are read by the refresh thread and the views
// while the program thread writes them, so they are atomic. The geometry is
// written only while Initialized is false and read after it is seen true.
struct t_Window {
  Shared<bool> Initialized = false;
  Shared<bool> Visible = false;
  Shared<bool> IgnoreEvents = false;
  Shared<bool> AutoUpdate = false;
  Shared<bool> QuickUpdate = false;
  Shared<bool> ScrollLock = false;
  Shared<bool> VerticalBlank = true;
  Shared<int64_t> UpdateStarted = 0;   // ms of the host clock
  Shared<int64_t> UpdateFinished = 0;  // ms of the host clock
  Shared<int64_t> UpdateDuration = 0;  // µs
  Shared<int64_t> RefreshRate = 30;
  std::optional<HostWindow> Window;
  std::optional<HostView> View;
  Rect DrawingRect;
  int64_t TitleHeight = 0;
  int64_t BorderWidth = 0;
  int64_t BorderHeight = 0;
  t_RGBColor RGBColorBorder{255, 0, 0, 0};
  int64_t BitDepth = 0;
  int64_t Width = 0;
  int64_t Height = 0;
  t_RGBColor RGBColor{255, 0, 0, 0};
  int64_t DrawingMode = 0;
  int64_t PositionX = 0;
  int64_t PositionY = 0;
  int64_t MemoryStart = -1;
  int64_t MemoryEnd = -1;
  t_Font Font;
  int64_t TextWidth = 0;
  int64_t TextHeight = 0;
  int64_t TextFirstColumn = 0;
  int64_t TextLastColumn = 0;
  int64_t TextFirstLine = 0;
  int64_t TextLastLine = 0;
  int64_t TextHpos = 0;
  Shared<int64_t> TextVpos = 0;  // also read by the views, which keep its line in sight
  uint8_t TextColor = 0;
  bool TextInverse = false;
  int64_t TextDisplayMode = 0;
  int64_t TextCursorLevel = 0;
  Shared<int64_t> TextRedirectOutput = 1;  // also set from the main thread (Ctrl-keypad)
  std::string InputString;
  Shared<bool> InputFinished = false;
  int64_t InputMode = 0;
  int64_t InputHpos = 0;
  int64_t InputVpos = 0;
  int64_t InputCursorPos = 0;
  int64_t InputMaxCharacters = 0;
  int64_t LoResOffsetX = 0;
  int64_t LoResOffsetY = 0;
  int64_t LoResMode = 0;
  int64_t TextMemoryStart = -1;
  int64_t TextMemoryEnd = -1;
};

}  // namespace vx
