#pragma once
// Kassenzettel: a till receipt in a text window (see program.cpp).
namespace kassenzettel {

inline constexpr const char* Name = "Kassenzettel";
inline constexpr const char* Version = "1.0";
inline constexpr const char* Notice = "Beleg mit Mehrwertsteuer";

// The program; it runs on the program thread the host starts.
void program();

}  // namespace kassenzettel
