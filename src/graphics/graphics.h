#pragma once
/// \file
/// Graphics: the palette and pixel formats, drawing colours and modes, the
/// drawing primitives, captures and the star pattern.
#include "graphics/colors.h"
#include "graphics/graphic_record.h"
#include "graphics/palette.h"
#include "graphics/primitives.h"
#include "graphics/screen_capture.h"
#include "graphics/star_pattern.h"
