#pragma once
// The record of one keyboard or mouse event as the program sees it.
#include <cstdint>
#include <string>

#include "host/host_events.h"

namespace vx {

struct t_Event {
  int64_t Kind = 0;  // 1 key, 2 mouse
  int64_t Index = 0;  // key: the host's virtual key code; mouse: the buttons held
  std::string Description;  // key: the characters the host reported
  int64_t Value = 0;        // key: the toolkit character code
  int64_t WindowX = 0;      // mouse: position in the host window, origin bottom left
  int64_t WindowY = 0;
  int64_t ClickX = 0;  // mouse: pixel in the slot's picture; -1 before it, -2 beyond it
  int64_t ClickY = 0;
  int64_t Mods = 0;  // (host modifier flags >> 16) & 0xFFFF
  uint8_t Window = 0;
  int64_t Time = 0;  // ms of the host clock
  bool CloseBox = false;
  bool CapsLockPressed = false;
  bool ShiftPressed = false;
  bool ControlPressed = false;
  bool OptionPressed = false;
  bool CommandPressed = false;
  bool NumericPadPressed = false;
  bool HelpPressed = false;
  bool FnPressed = false;
  bool CursorKeyPressed = false;
  bool FunctionKeyPressed = false;
  friend bool operator==(const t_Event&, const t_Event&) = default;
};


}  // namespace vx
