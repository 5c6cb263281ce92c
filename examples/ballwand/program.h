#pragma once
// Ballwand: keep a bouncing ball up with a bat (see program.cpp).
namespace ballwand {

// The notice line of the About box; its name and version come from the build.
inline constexpr const char* Notice = "Ein Ballspiel mit 16 Farben";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace ballwand
