#pragma once
/// \file
/// Text console: fonts, glyphs, display modes, cursor and scrolling, printing
/// and line input.
#include "console/fonts_and_glyphs.h"
#include "console/printing.h"
