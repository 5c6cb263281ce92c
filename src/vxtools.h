#pragma once
/// \file
/// vxtools: the whole toolkit for user programs, in namespace vx.
///
/// Numbers map as: Int -> int64_t, UInt8 -> uint8_t, UInt32 -> uint32_t,
/// Bool -> bool, String -> std::string holding UTF-8, byte arrays ->
/// std::vector<uint8_t>. Positions in strings are 1-based and count Unicode
/// scalar values.
///
/// This header and those it includes are the public headers (the list in
/// cmake/public_headers.cmake); they are installed and make the reference.
#include "host/host.h"
#include "host/host_events.h"
#include "host/interface_description.h"
#include "host/key_codes.h"
#include "runtime/runtime.h"
#include "windows/windows.h"
#include "graphics/graphics.h"
#include "console/console.h"
#include "events/events.h"
#include "codecs/codecs.h"

/// \namespace vx
/// Every public name of the toolkit: the calls (t_ for windows, text, events
/// and the system, g_ for graphics), the records (t_Window, t_Font, t_Graphic,
/// t_Event, ...), the process-wide tables and the helpers.
