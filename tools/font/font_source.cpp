// font_source.cpp -- reading the glyph grids and packing them into the font table
#include "font/font_source.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace art {

std::string read_font_source(const char *file, font_source &out)
{
    std::memset(&out, 0, sizeof out);
    std::ifstream in(file);
    if (!in) return std::string("cannot read ") + file;
    std::string line;
    int no = 0;
    auto where = [&](int n) { return std::string(file) + ":" + std::to_string(n) + ": "; };
    while (std::getline(in, line)) {
        no++;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line.rfind("//", 0) == 0) continue;
        if (line.rfind("glyph ", 0) != 0 || line.size() < 7)
            return where(no) + "expected \"glyph C [advance]\"";
        int code = (unsigned char)line[6];
        if (code < FONT_FIRST || code > FONT_LAST) return where(no) + "character outside '!'..'}'";
        if (out.present[code]) return where(no) + "glyph given twice";
        int advance = -1;
        if (line.size() > 7) {
            std::istringstream rest(line.substr(7));
            if (!(rest >> advance) || advance < 0 || advance > 16) return where(no) + "bad advance";
        }
        int last_ink = -1;
        for (int r = 0; r < FONT_ROWS; r++) {
            if (!std::getline(in, line)) return where(no) + "glyph has fewer than 9 rows";
            no++;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if ((int)line.size() > FONT_COLS) return where(no) + "row wider than 8 columns";
            for (int col = 0; col < (int)line.size(); col++) {
                char ch = line[col];
                if (ch == 'X') {
                    out.ink[code][r][col] = 1;
                    if (col > last_ink) last_ink = col;
                } else if (ch != '.') {
                    return where(no) + "rows hold only '.' and 'X'";
                }
            }
        }
        // One empty column after the ink unless the source says otherwise.
        out.advance[code] = advance >= 0 ? advance : last_ink + 2;
        out.present[code] = true;
    }
    for (int c = FONT_FIRST; c <= FONT_LAST; c++)
        if (!out.present[c]) return std::string(file) + ": no glyph for '" + (char)c + "'";
    return "";
}

std::string pack_tex(const font_source &font, uint8_t tex[TEX_NUMBERS])
{
    std::memset(tex, 0, TEX_NUMBERS);
    for (int c = FONT_FIRST; c <= FONT_LAST; c++)
        for (int r = 0; r < FONT_ROWS; r++)
            for (int col = 0; col < FONT_COLS; col++)
                tex[(c - FONT_FIRST) * 72 + r * 8 + col] = font.ink[c][r][col];
    for (int c = FONT_FIRST; c <= FONT_LAST; c++) tex[TEX_WIDTHS + c] = (uint8_t)font.advance[c];
    for (int c : {0, (int)'\t', (int)'\n', (int)'\r', (int)' '})
        if (tex[TEX_WIDTHS + c] != 0)
            return "the glyph of '}' has ink where the width of code " + std::to_string(c) +
                   " lies (rows 4..8): that code would move the pen";
    return "";
}

}  // namespace art
