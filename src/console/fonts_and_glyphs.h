#pragma once
/// \file
/// Fonts, glyph drawing, display modes, cursor and scrolling.
#include "console/cursor.h"
#include "console/display_mode.h"
#include "console/font_resource.h"
#include "console/print_symbol.h"
#include "console/scrolling.h"
