#pragma once
// The toolkit memory, the high-memory pointer from which video memory is
// carved, and the table of the eight window slots.
#include <array>
#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <vector>

#include "runtime/types.h"
#include "runtime/window_record.h"

namespace vx {

constexpr int64_t ToolkitMemorySize = 0x100000F;
constexpr int64_t InitialHighMemory = 0xFFFFFF;
constexpr int64_t ReservedLowMemory = 0x10000;  // never holds video memory

// Window numbers beyond the eight slots.
constexpr uint8_t PasteboardWindowNumber = 8;
constexpr uint8_t VirtualPrinterWindowNumber = 9;
constexpr uint8_t SystemConsoleWindowNumber = 10;
constexpr uint8_t PreferencesWindowNumber = 11;
constexpr uint8_t MainWindowNumber = 12;
constexpr uint8_t NoWindow = 255;

// Process-wide and never destroyed (background threads may outlive main()).
extern std::vector<uint8_t>& ToolkitMemory;  // empty until t_InitMemory (windows/memory_setup.h)
extern int64_t HighMemory;
extern std::array<t_Window, 8>& WindowTable;
extern std::atomic<bool> MemoryStarted;
extern std::atomic<bool> MemoryReady;

// The geometry of the slots (depth, size, borders, font and text geometry,
// the addresses of their video blocks, Initialized) changes only under this
// lock, held exclusively by t_InitWindow while it rewrites a record and
// slides the blocks of later windows. Threads other than the one that makes
// windows (the refresh, views, copy and save commands, mouse clicks) read a
// slot's geometry under it, shared, testing Initialized there too: they see
// a record as it was before a re-making or after it, never halfway. Never
// held while handing work to the main thread.
std::shared_mutex& slotgeometrylock();
inline std::shared_lock<std::shared_mutex> readslotgeometry() {
  return std::shared_lock(slotgeometrylock());
}
inline std::unique_lock<std::shared_mutex> rewriteslotgeometry() {
  return std::unique_lock(slotgeometrylock());
}

// Copies video memory bytes (a picture, or the characters of a text
// window's cells) out of the toolkit memory for a view or the clipboard.
// These read a window's video memory while the program thread may be drawing
// or printing into it, without a lock, by design: a view may show a
// half-drawn picture and its next redraw the finished one. Every such read
// goes through this one function (or, for the refresh, which only hashes a
// picture to see whether it changed, through hashpicturebytes in
// windows/picture_fingerprint.cpp). Both stay functions of their own that
// read nothing else: ThreadSanitizer builds leave them uninstrumented, and
// its suppressions (tests/tsan.supp) name this one besides.
void readpicturebytes(const uint8_t* from, size_t count, uint8_t* to);

std::optional<HostView> t_GetWindowView(uint8_t window);
std::optional<HostWindow> t_GetHostWindow(uint8_t window);
int64_t t_WindowNumber(std::optional<HostWindow> window);
uint8_t t_FrontWindow();

}  // namespace vx
