#pragma once
/// \file
/// The threads of the toolkit: the program thread with its large stack, the
/// background processes, thread numbers and names.
#include <cstdint>
#include <functional>
#include <string>

namespace vx {

/// Thrown by t_QuitProgram to end a thread the toolkit started: the stack
/// unwinds with every destructor run, and the thread entry of startprocess and
/// startbackgroundprocess catches it. Do not swallow it in catch (...).
struct ProgramQuit {};

/// Starts `program` on a new thread with a stack of `stacksize` bytes (0: the
/// system default) and returns once the thread exists; it does not wait for
/// the program. The thread is always created on the main thread.
void startprocess(std::function<void()> program, int64_t stacksize);
/// Runs `process` concurrently and returns at once.
void startbackgroundprocess(std::function<void()> process);
/// Whether startprocess or startbackgroundprocess made the calling thread.
bool threadstartedbytoolkit();
/// How many threads of startbackgroundprocess are running (never more than
/// there are: a thread counts itself once it runs, until just before it ends).
int64_t runningbackgroundprocesses();

/// 1 on the main thread, 2 on the first thread the toolkit started, 3 and up on
/// later ones, 0 on threads the toolkit does not know.
int64_t threadnumber();
void markmainthread();  ///< the calling thread becomes thread 1 (done by installhost)
/// Names the current thread; Linux keeps 15 bytes, so longer names are cut at a
/// character boundary.
void setthreadname(const std::string& name);
/// The calling thread's name as the system keeps it (at most 15 bytes).
std::string currentthreadname();

/// Sleeps `ms` milliseconds (nothing for 0 or less).
void sleepmilliseconds(int64_t ms);

}  // namespace vx
