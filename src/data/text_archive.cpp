// text_archive.cpp -- the text archive, its index, and laying texts out on the surfaces
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/core.h"
#include "data/data.h"

namespace hm {

uint32_t *t_str;
uint32_t *n_pos;

namespace {

const char *const ARCHIVE = "txt_dat.dat";
constexpr int LINE_H = 9;
constexpr int SPACE_ADVANCE = 4;
constexpr int BOX_W = 66;    // the portrait box that wrt_around_box flows around
constexpr int BOX_H = 68;

uint32_t text_area = 0;   // length of the loaded archive's text area, 0 none
uint32_t last_text = 0;   // the highest text entry the index knows

uint32_t get_u32(const uint8_t *p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24); }

void put_u32(FILE *out, uint32_t v)
{
    uint8_t b[4] = {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
    std::fwrite(b, 1, 4, out);
}

// Opens the archive at the first character of text (t, f); null when there is none.
// `left` is how many characters remain in the text area from there.
FILE *open_text(int t, int f, uint32_t &left)
{
    if (!text_ok(t, f)) return nullptr;
    uint32_t start = n_pos[t_str[f] + (uint32_t)t] + 1;
    FILE *in = std::fopen(ARCHIVE, "rb");
    if (!in) return nullptr;
    if (std::fseek(in, (long)(4 + start), SEEK_SET) != 0) {
        std::fclose(in);
        return nullptr;
    }
    left = text_area - start;
    return in;
}

// The next character of a text, -1 at its end: '~' or 127, the end of the text
// area or of the file.  Bytes above 127 do not end a text.
int next_char(FILE *in, uint32_t &left)
{
    if (left == 0) return -1;
    left--;
    int c = std::fgetc(in);
    return c < 0 || c == '~' || c == 127 ? -1 : c;
}

void set_extent(int widest, int pen_x, int pen_y, int x, int y)
{
    j[text_w] = (widest > pen_x ? widest : pen_x) - x;
    j[text_h] = pen_y - y;
}

}  // namespace

void init_wrt()
{
    std::free(t_str);
    std::free(n_pos);
    t_str = static_cast<uint32_t *>(std::calloc(T_STR_COUNT, sizeof(uint32_t)));
    n_pos = static_cast<uint32_t *>(std::calloc(N_POS_COUNT, sizeof(uint32_t)));
    text_area = 0;
    last_text = 0;
}

void freewrt()
{
    std::free(t_str);
    std::free(n_pos);
    t_str = nullptr;
    n_pos = nullptr;
    text_area = 0;
    last_text = 0;
}

void init_wrt_data()
{
    FILE *in = std::fopen(ARCHIVE, "rb");
    if (!in) return;
    constexpr size_t TABLES = (T_STR_COUNT + N_POS_COUNT) * 4;
    uint8_t *raw = static_cast<uint8_t *>(std::malloc(TABLES));
    uint8_t head[4];
    bool ok = std::fread(head, 1, 4, in) == 4;
    uint32_t area = ok ? get_u32(head) : 0;
    ok = ok && area <= 0x7fffffffu - 4 && std::fseek(in, (long)(4 + area), SEEK_SET) == 0 &&
         std::fread(raw, 1, TABLES, in) == TABLES;
    std::fclose(in);
    if (ok) {
        for (int i = 0; i < T_STR_COUNT; i++) t_str[i] = get_u32(raw + 4 * i);
        for (int i = 0; i < N_POS_COUNT; i++) n_pos[i] = get_u32(raw + 4 * (T_STR_COUNT + i));
        text_area = area;
        last_text = 0;
        for (uint32_t k = 1; k < N_POS_COUNT; k++)
            if (n_pos[k] != 0) last_text = k;
    }
    std::free(raw);
}

int text_ok(int t, int f)
{
    if (!t_str || !n_pos || t < 0 || f < 0 || f >= T_STR_COUNT) return 0;
    uint64_t k = (uint64_t)t_str[f] + (uint64_t)t;
    // Entries past the last separator have no position: they would show text 0.
    if (k >= (uint64_t)N_POS_COUNT || k > last_text) return 0;
    return (uint64_t)n_pos[k] + 1 < text_area;
}

int load_txt_file(const char *src_dir, int f, FILE *out, uint32_t *pos, uint32_t *count)
{
    std::string name = std::string(src_dir) + "/t" + std::to_string(f) + ".txt";
    FILE *in = std::fopen(name.c_str(), "rb");
    if (!in) return 1;
    t_str[f] = *count;
    int result = 0;
    for (int c; (c = std::fgetc(in)) >= 0;) {
        if (c == '~') {
            if (*count + 1 >= (uint32_t)N_POS_COUNT) {
                std::fprintf(stderr, "%s: more than %d texts in the archive\n", name.c_str(), N_POS_COUNT - 1);
                result = -1;
                break;
            }
            ++*count;
            n_pos[*count] = *pos;
        } else if (c > '}') {
            // Copied all the same; 127 ends the text there, other bytes draw nothing.
            std::fprintf(stderr, "%s: byte %d at %u: texts use only the characters up to '}'\n", name.c_str(),
                         c, *pos);
        }
        std::fputc(c, out);
        ++*pos;
    }
    std::fclose(in);
    return result;
}

int create_txt_data_file(const char *src_dir, const char *out_file)
{
    if (!t_str || !n_pos) init_wrt();
    // A file that is not there has no texts, rather than file 0's.
    std::memset(t_str, 0xff, T_STR_COUNT * sizeof(uint32_t));
    std::memset(n_pos, 0, N_POS_COUNT * sizeof(uint32_t));
    FILE *out = std::fopen(out_file, "wb");
    if (!out) return -1;
    put_u32(out, 0);
    uint32_t pos = 0, count = 0;
    bool ok = true;
    for (int f = 0; f < TEXT_FILES && ok; f++) ok = load_txt_file(src_dir, f, out, &pos, &count) >= 0;
    for (int i = 0; i < T_STR_COUNT; i++) put_u32(out, t_str[i]);
    for (int i = 0; i < N_POS_COUNT; i++) put_u32(out, n_pos[i]);
    ok = ok && std::fseek(out, 0, SEEK_SET) == 0;
    put_u32(out, pos);
    ok = ok && !std::ferror(out);
    ok = std::fclose(out) == 0 && ok;
    if (!ok) {
        std::remove(out_file);
        return -1;
    }
    return (int)count;
}

int wrt_list(int x, int y, int x_max, int text, int file, int fg, int bg, int target, int n, const int *nums)
{
    int pen_x = x, pen_y = y, widest = 0, used = 0;
    uint32_t left = 0;
    FILE *in = open_text(text, file, left);
    if (in) {
        for (int c; (c = next_char(in, left)) >= 0;) {
            if (c == ' ' || c == '$') {
                pen_x += SPACE_ADVANCE;
                if (pen_x > x_max || c == '$') {
                    if (pen_x > widest) widest = pen_x;
                    pen_x = x;
                    pen_y += LINE_H;
                }
            } else if (c == '^' && used < n) {
                pen_x += wnum(pen_x, pen_y, nums[used++], fg, bg, target);
            } else {
                drawc(pen_x, pen_y, c, fg, bg, target);
                pen_x += char_width(c);
            }
        }
        std::fclose(in);
    }
    set_extent(widest, pen_x, pen_y, x, y);
    return j[text_w];
}

int wrt_around_box(int x, int y, int x_max, int text, int file, int fg, int bg, int num1, int num2, int num3,
                   int target)
{
    uint32_t left = 0;
    FILE *in = text < 0 ? nullptr : open_text(text, file, left);
    // Nothing laid out: text_w and text_h keep the last text's extent.
    if (!in) return 0;
    const int nums[3] = {num1, num2, num3};
    auto line_start = [&](int line_y) { return line_y < BOX_H ? x + BOX_W : x; };
    int pen_y = y, pen_x = line_start(y), widest = 0, used = 0;
    for (int c; (c = next_char(in, left)) >= 0;) {
        if (c == ' ') {
            pen_x += SPACE_ADVANCE;
            if (pen_x > x_max) {
                if (pen_x > widest) widest = pen_x;
                pen_y += LINE_H;
                pen_x = line_start(pen_y);
            }
        } else if (c == '^') {
            if (used < 3) pen_x += wnum(pen_x, pen_y, nums[used], fg, bg, target);
            used++;
        } else {
            drawc(pen_x, pen_y, c, fg, bg, target);
            pen_x += char_width(c);
        }
    }
    std::fclose(in);
    set_extent(widest, pen_x, pen_y, x, y);
    return j[text_w];
}

}  // namespace hm
