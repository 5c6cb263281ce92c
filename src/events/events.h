#pragma once
// Events and menus: keyboard and mouse events, menu records, the action table
// and menu editing.
#include "events/close_box.h"
#include "events/event_record.h"
#include "events/event_state.h"
#include "events/key_table.h"
#include "events/menu_availability.h"
#include "events/menu_commands.h"
#include "events/menu_handler.h"
#include "events/menu_table.h"
#include "events/view_events.h"
#include "events/wait_key.h"
