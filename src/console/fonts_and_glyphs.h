#pragma once
// Fonts, glyph drawing, display modes, cursor and scrolling.
