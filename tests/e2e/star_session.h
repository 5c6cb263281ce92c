#pragma once
// What the end-to-end sessions share: where the fonts are, and the star that
// window 1 must show, drawn by the plain reference sweep.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/types.h"
#include "support/test_support.h"
#include "vxtools_headless.h"

namespace vxtest {

std::string bundleresources();
// A headless run that finds the fonts and does not echo the log.
vx::HeadlessRunOptions sessionoptions();

// The text window's screen (lines joined by CR) while the program waits for
// a key (the program thread then writes nothing), else empty.
std::string textscreen();
// The screen read at once: only after the program thread has ended or logged
// its end.
std::string textscreenafterend();
// How often `text` stands on the text window's screen.
size_t textscreencount(const std::string& text);

// The pixels (palette index 0 black, 15 white) of the reference star of
// `segments` wedges in a white square of `diameter` pixels, drawn in slot
// `scratch` (initialised here as a 1-bit window; call on the main thread).
std::vector<uint8_t> referencestar(uint8_t scratch, int64_t diameter, int64_t segments);
// The pixels of a graphic window, read back.
std::vector<uint8_t> windowpixels(uint8_t window, int64_t diameter);
// A one-bit picture as a host image shows it, as the same palette indices.
std::vector<uint8_t> imageindices(const vx::HostImage& image);

}  // namespace vxtest
