#pragma once
// Strichliste: a tally in a window, kept with a menu command of its own.
namespace strichliste {

// The notice line of the About box; its name and version come from the build.
inline constexpr const char* Notice = "Zählen mit dem Menü";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace strichliste
