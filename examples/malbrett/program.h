#pragma once
// Malbrett: drawing with the mouse on a 24-bit picture (see program.cpp).
namespace malbrett {

// The notice line of the About box; its name and version come from the build.
inline constexpr const char* Notice = "Zeichnen mit der Maus";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace malbrett
