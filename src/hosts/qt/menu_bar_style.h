#pragma once
// The style of the menu bars: the application's own, except that a menu bar
// never takes the keyboard by itself. Qt's default lets a bar keep the focus
// after Esc closed one of its menus, or after the Alt key was tapped, and
// every key typed then went to the bar instead of the window's view. Menus
// open by their Alt mnemonics, F10 or the mouse, and once they close the keys
// go where they went before.
class QStyle;

namespace vx::qt {

// One style for every menu bar; it lives as long as the application.
QStyle* menubarstyle();

}  // namespace vx::qt
