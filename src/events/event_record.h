#pragma once
/// \file
/// The record of one keyboard or mouse event as the program sees it.
#include <cstdint>
#include <string>

#include "host/host_events.h"

namespace vx {

/// One key or mouse event, as the queues keep it: a key press for t_GetEvent
/// and t_WaitKey, a click for the program's MouseEventProcedure.
struct t_Event {
  int64_t Kind = 0;  ///< 1 key, 2 mouse
  int64_t Index = 0;  ///< key: the host's virtual key code; mouse: the buttons held
  std::string Description;  ///< key: the characters the host reported
  int64_t Value = 0;        ///< key: the toolkit character code
  int64_t WindowX = 0;      ///< mouse: position in the host window, origin bottom left
  int64_t WindowY = 0;  ///< mouse: the other coordinate of WindowX
  int64_t ClickX = 0;  ///< mouse: pixel in the slot's picture; -1 before it, -2 beyond it
  int64_t ClickY = 0;  ///< mouse: row in the slot's picture; -1 above it, -2 below it
  int64_t Mods = 0;  ///< (host modifier flags >> 16) & 0xFFFF
  uint8_t Window = 0;  ///< the window the event happened in
  int64_t Time = 0;  ///< ms of the host clock
  bool CloseBox = false;  ///< the event is a press of the window's close box
  bool CapsLockPressed = false;  ///< caps lock was on
  bool ShiftPressed = false;  ///< shift was held
  bool ControlPressed = false;  ///< control was held
  bool OptionPressed = false;  ///< option (alt) was held
  bool CommandPressed = false;  ///< command was held
  bool NumericPadPressed = false;  ///< the key is on the numeric pad
  bool HelpPressed = false;  ///< the help key was held
  bool FnPressed = false;  ///< the function modifier was held
  bool CursorKeyPressed = false;  ///< key: an arrow key
  bool FunctionKeyPressed = false;  ///< key: a function key (F1 and on)
  friend bool operator==(const t_Event&, const t_Event&) = default;  ///< equal when every field is
};


}  // namespace vx
