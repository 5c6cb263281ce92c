#pragma once
/// \file
/// Events and menus: keyboard and mouse events, menu records, the action table
/// and menu editing.
#include "events/event_record.h"
#include "events/event_state.h"
#include "events/menu_table.h"
#include "events/wait_key.h"
