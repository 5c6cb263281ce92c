#pragma once
// The few places where the platforms the toolkit runs on differ: Linux on the
// desktop, and WebAssembly in a browser page (emscripten), whose C library
// lacks thread names, thread ids and the floating-point to_chars. Everything
// else in the toolkit is written once, against the standard library.
#include <cstdint>
#include <string>

namespace vx {

// The shortest digits that read back to the same double, in the form
// "d.ddde±x" (std::chars_format::scientific); `value` is finite.
std::string shortestscientific(double value);

// Names the calling thread for debuggers; a name longer than the platform
// takes is cut (the caller cuts it at a character boundary first).
void setplatformthreadname(const std::string& name);
// The calling thread's name as the platform keeps it; empty where it keeps none.
std::string platformthreadname();

// Whether the calling thread is the process's first thread, the one whose
// end ends the process.
bool onprocessinitialthread();

// The stack a thread gets when `requested` bytes are asked for: the browser
// bounds the call depth of a worker itself, so there a stack beyond a few
// dozen MiB would only take memory from the page.
int64_t platformstacksize(int64_t requested);

}  // namespace vx
