#pragma once
// Translates a Qt key press into the key event the toolkit's key table is
// written for: its virtual key code, the characters and the modifier bits.
#include <QKeyEvent>
#include <optional>

#include "host/host_events.h"

namespace vx::qt {

uint64_t modifierflags(Qt::KeyboardModifiers modifiers);
// The key event for a key press, or none for a key that is only a modifier
// (those arrive as flag changes).
std::optional<HostKeyEvent> translatekey(const QKeyEvent& event);
bool ismodifierkey(int key);

}  // namespace vx::qt
