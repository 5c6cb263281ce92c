#pragma once
/// \file
/// Bringing up the toolkit memory: the memory and the window table themselves
/// live in the runtime (runtime/memory.h); making them also registers the
/// built-in menu actions and readies the pasteboard view, which is why it
/// happens up here.

namespace vx {

/// Creates the toolkit memory, the window table and the start-up menu state;
/// only the first call acts. t_InitWindow calls it, so a program need not.
void t_InitMemory();
/// Creates the memory if nobody has started to, else waits until it is ready.
void t_EnsureMemory();

}  // namespace vx
