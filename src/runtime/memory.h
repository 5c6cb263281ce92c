#pragma once
// The toolkit memory, the high-memory pointer from which video memory is
// carved, and the table of the eight window slots.
#include <array>
#include <atomic>
#include <cstdint>
#include <optional>
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

// Copies picture bytes out of the toolkit memory for a view or the clipboard. These read a window's picture while the program thread may
// be drawing into it, without a lock, by design: a view may show a
// half-drawn picture and its next redraw the finished one. Every such read
// goes through this one function (or, for the refresh, which only hashes a
// picture to see whether it changed, through hashpicturebytes in
// windows/picture_fingerprint.cpp), which the ThreadSanitizer suppressions
// (tests/tsan.supp) name; it must stay a function of its own that reads
// nothing else.
void readpicturebytes(const uint8_t* from, size_t count, uint8_t* to);

std::optional<HostView> t_GetWindowView(uint8_t window);
std::optional<HostWindow> t_GetHostWindow(uint8_t window);
int64_t t_WindowNumber(std::optional<HostWindow> window);
uint8_t t_FrontWindow();

}  // namespace vx
