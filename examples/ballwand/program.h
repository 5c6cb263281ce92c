#pragma once
// Ballwand: keep a bouncing ball up with a bat (see program.cpp).
namespace ballwand {

inline constexpr const char* Name = "Ballwand";
inline constexpr const char* Version = "1.0";
inline constexpr const char* Notice = "Ein Ballspiel mit 16 Farben";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace ballwand
