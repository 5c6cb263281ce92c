#pragma once
// Events and menus: menu records, the action table and menu editing.
#include "events/menu_table.h"
