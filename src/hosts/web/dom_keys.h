#pragma once
// Key presses of a web page as the toolkit takes them: the page hands over
// what the browser reports of a key press (KeyboardEvent.key, its location
// and the modifiers held), and gets the event the desktop host would have
// made of the same key, or none for keys that type nothing (modifiers alone,
// dead keys, whose accent arrives with the next key's character).
#include <cstdint>
#include <optional>
#include <string>

#include "host/host_events.h"

namespace vx::web {

// The modifiers as the page reports them.
constexpr int DomShift = 1;
constexpr int DomControl = 2;
constexpr int DomAlt = 4;
constexpr int DomMeta = 8;
// KeyboardEvent.location of a key on the numeric pad.
constexpr int DomNumericPad = 3;

// The host modifier bits of the page's modifiers.
uint64_t dommodifierflags(int modifiers);

std::optional<HostKeyEvent> domkeyevent(const std::string& key, int location, int modifiers);

}  // namespace vx::web
