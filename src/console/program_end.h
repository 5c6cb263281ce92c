#pragma once
/// \file
/// Ending the program's thread with a last line in its window.
#include <cstdint>

namespace vx {
/// Ends the calling thread after leaving "(Programm Ende)" on a fresh line of
/// text window `window`. Never returns; the application and its windows keep
/// running. A thread the toolkit started unwinds by ProgramQuit; any other
/// thread ends with pthread_exit, except the process's main thread, which
/// ends the process with status 0 once no thread but the toolkit's background
/// processes is left.
[[noreturn]] void t_QuitProgram(uint8_t window);
}  // namespace vx
