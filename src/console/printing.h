#pragma once
/// \file
/// Text output, line input and program end.
#include "console/control_codes.h"
#include "console/display_mode_mapping.h"
#include "console/line_input.h"
#include "console/output_pause.h"
#include "console/print.h"
#include "console/program_end.h"
#include "console/screen_text.h"
