#pragma once
/// \file
/// The toolkit memory, the high-memory pointer from which video memory is
/// carved, and the table of the eight window slots.
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

constexpr int64_t ToolkitMemorySize = 0x100000F;  ///< bytes of the toolkit memory
constexpr int64_t InitialHighMemory = 0xFFFFFF;   ///< HighMemory before any window has video memory
constexpr int64_t ReservedLowMemory = 0x10000;  ///< never holds video memory

// Window numbers beyond the eight slots.
constexpr uint8_t PasteboardWindowNumber = 8;       ///< the pasteboard window
constexpr uint8_t VirtualPrinterWindowNumber = 9;   ///< the virtual printer window
constexpr uint8_t SystemConsoleWindowNumber = 10;   ///< the system console window
constexpr uint8_t PreferencesWindowNumber = 11;     ///< the preferences window
constexpr uint8_t MainWindowNumber = 12;            ///< the application's main window
constexpr uint8_t NoWindow = 255;                   ///< no window

// Process-wide and never destroyed (background threads may outlive main()).

/// The toolkit memory: ToolkitMemorySize bytes, 0xFF when made; pictures and
/// text cells live here. Empty until t_InitMemory.
extern std::vector<uint8_t>& ToolkitMemory;
/// The highest address not yet given to video memory; blocks are taken
/// below it and it moves down.
extern int64_t HighMemory;
extern std::array<t_Window, 8>& WindowTable;  ///< the records of the eight slots
extern std::atomic<bool> MemoryStarted;  ///< set when t_InitMemory begins
/// Set when t_InitMemory is done; until then almost every call only writes
/// its diagnostic line.
extern std::atomic<bool> MemoryReady;

/// The lock under which the geometry of the slots changes: depth, size,
/// borders, font and text geometry, the addresses of their video blocks and
/// Initialized. t_InitWindow holds it exclusively while it rewrites a record
/// and slides the blocks of later windows; threads other than the one that
/// makes windows (the refresh, views, copy and save commands, mouse clicks)
/// read a slot's geometry under it, shared, testing Initialized there too:
/// they see a record as it was before a re-making or after it, never
/// halfway. Never held while handing work to the main thread.
std::shared_mutex& slotgeometrylock();
/// The geometry lock held shared, for a reader of a slot's record.
inline std::shared_lock<std::shared_mutex> readslotgeometry() {
  return std::shared_lock(slotgeometrylock());
}
/// The geometry lock held exclusively, for rewriting a slot's record.
inline std::unique_lock<std::shared_mutex> rewriteslotgeometry() {
  return std::unique_lock(slotgeometrylock());
}

/// Copies `count` bytes of video memory (a picture, or the characters of a
/// text window's cells) out of the toolkit memory, for a view or the
/// pasteboard. The program thread may be drawing into them meanwhile: the copy
/// may hold a half-drawn picture, whose next copy is the finished one.
// Every such read goes through this one function (or, for the refresh, which
// only hashes a picture to see whether it changed, through hashpicturebytes
// in windows/picture_fingerprint.cpp). Both stay functions of their own that
// read nothing else: ThreadSanitizer builds leave them uninstrumented, and its
// suppressions (tests/tsan.supp) name this one besides.
void readpicturebytes(const uint8_t* from, size_t count, uint8_t* to);

/// The picture view of slot `window` (0..7); none for another number or a
/// slot whose view the host has not made.
std::optional<HostView> t_GetWindowView(uint8_t window);
/// The host window of window `window` (0..12); none for another number or a
/// window not yet made.
std::optional<HostWindow> t_GetHostWindow(uint8_t window);
/// The window number (0..12) of a host window; NoWindow for none or a host
/// window the toolkit did not make.
int64_t t_WindowNumber(std::optional<HostWindow> window);
/// The number of the host's main window, the one in front that the user
/// works in; NoWindow when there is none or the toolkit did not make it.
uint8_t t_FrontWindow();

}  // namespace vx
