#pragma once
// vxtools: the whole toolkit for user programs, in namespace vx.
//
// Numbers map as: Int -> int64_t, UInt8 -> uint8_t, UInt32 -> uint32_t,
// Bool -> bool, String -> std::string holding UTF-8, byte arrays ->
// std::vector<uint8_t>. Positions in strings are 1-based and count Unicode
// scalar values.
#include "host/host.h"
#include "host/interface_description.h"
#include "runtime/runtime.h"
#include "windows/windows.h"
#include "graphics/graphics.h"
#include "console/console.h"
#include "events/events.h"
#include "codecs/codecs.h"
