#pragma once
// Public calls of this subsystem: packing, run-length and LZW coding.
#include "codecs/lzw.h"
#include "codecs/run_length.h"
#include "codecs/packing.h"
