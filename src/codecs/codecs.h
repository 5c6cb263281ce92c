#pragma once
/// \file
/// Public calls of this subsystem: packing, run-length and LZW coding, whole
/// files and the file panels, and writing and reading ".gr" graphic files.
#include "codecs/file_access.h"
#include "codecs/file_panels.h"
#include "codecs/graphic_export.h"
#include "codecs/graphic_formats.h"
#include "codecs/graphic_import.h"
#include "codecs/graphic_pixels.h"
#include "codecs/graphic_rows.h"
#include "codecs/lzw.h"
#include "codecs/run_length.h"
#include "codecs/packing.h"
