#pragma once
// Text output and line input.
#include "console/control_codes.h"
#include "console/display_mode_mapping.h"
#include "console/line_input.h"
#include "console/output_pause.h"
#include "console/print.h"
#include "console/screen_text.h"
