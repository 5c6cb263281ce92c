#pragma once
/// \file
/// Windows: initialisation with video memory, placement, title and
/// visibility, the window image and its refresh.
#include "windows/memory_setup.h"
#include "windows/window_geometry.h"
#include "windows/window_image.h"
#include "windows/window_init.h"
#include "windows/window_placement.h"
#include "windows/window_refresh.h"
