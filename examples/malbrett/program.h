#pragma once
// Malbrett: drawing with the mouse on a 24-bit picture (see program.cpp).
namespace malbrett {

inline constexpr const char* Name = "Malbrett";
inline constexpr const char* Version = "1.0";
inline constexpr const char* Notice = "Zeichnen mit der Maus";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace malbrett
