#pragma once
/// \file
/// Runtime core: start-up, threads, memory and window table, text and number
/// conversion.
#include "runtime/beep.h"
#include "runtime/conversions.h"
#include "runtime/guarded.h"
#include "runtime/log.h"
#include "runtime/memory.h"
#include "runtime/tables.h"
#include "runtime/text.h"
#include "runtime/threads.h"
#include "runtime/types.h"
#include "runtime/utf8.h"
#include "runtime/window_record.h"
