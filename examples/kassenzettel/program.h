#pragma once
// Kassenzettel: a till receipt in a text window (see program.cpp).
namespace kassenzettel {

// The notice line of the About box; its name and version come from the build.
inline constexpr const char* Notice = "Beleg mit Mehrwertsteuer";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace kassenzettel
