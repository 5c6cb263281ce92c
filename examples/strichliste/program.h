#pragma once
// Strichliste: a tally in a window, kept with a menu command of its own.
namespace strichliste {

inline constexpr const char* Name = "Strichliste";
inline constexpr const char* Version = "1.0";
inline constexpr const char* Notice = "Zählen mit dem Menü";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace strichliste
