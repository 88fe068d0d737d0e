// font_source.h -- the game's font as drawn in content/font, and its packing into tex.txt
#pragma once

#include <cstdint>
#include <string>

namespace art {

constexpr int FONT_ROWS = 9;
constexpr int FONT_COLS = 8;
constexpr int FONT_FIRST = 33;    // '!'
constexpr int FONT_LAST = 125;    // '}'
constexpr int TEX_NUMBERS = 6796; // numbers in tex.txt
constexpr int TEX_WIDTHS = 6663;  // where the advance widths start (code 0)

// Every glyph of the source file.
struct font_source {
    uint8_t ink[128][FONT_ROWS][FONT_COLS];   // 1 where a glyph has ink
    int advance[128];                         // pen advance in pixels
    bool present[128];                        // glyph given in the source
};

// Reads the grid source: "glyph C [advance]" followed by 9 rows of '.' and 'X'.
// Empty string on success, else the first problem with its line number.
std::string read_font_source(const char *file, font_source &out);

// The 6,796 bytes of tex.txt.  The widths of codes 0..32 share their bytes with the
// last 33 bytes of the glyph of '}', so they follow from that glyph; the text
// layout needs the widths of NUL, tab, line feed, carriage return and space to be
// 0, and the result says so when the glyph of '}' breaks that.
std::string pack_tex(const font_source &font, uint8_t tex[TEX_NUMBERS]);

}  // namespace art
