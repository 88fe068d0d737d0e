// picture_archive.cpp -- the picture archive, its index, the picture store and run-length rows
#include <cstring>
#include <string>
#include <vector>

#include "core/core.h"
#include "data/data.h"

namespace hm {

int pict_size[PIC_GROUPS];

namespace {

const char *const ARCHIVE = "bmp_data.dat";
constexpr uint32_t HEADER = 16;       // bytes of a picture record's header
constexpr uint32_t INDEX_BYTES = PIC_INDEX * 4;

int group_start[PIC_GROUPS];
// End of the record area (the index's file offset) of the archive whose index is
// loaded; records must lie before it.
uint32_t records_end = 0;

uint32_t get_u32(const uint8_t *p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((uint32_t)p[3] << 24); }

void put_u32(FILE *out, uint32_t v)
{
    uint8_t b[4] = {(uint8_t)v, (uint8_t)(v >> 8), (uint8_t)(v >> 16), (uint8_t)(v >> 24)};
    std::fwrite(b, 1, 4, out);
}

// Decodes one row and counts its pixels; -1 when the bytes are not a row
// (a marker without its closing 255, a pixel 255).
int rle_row_pixels(const uint8_t *row, int len)
{
    int n = 0;
    for (int i = 0; i < len; i++) {
        if (row[i] != RLE) {
            n++;
            continue;
        }
        if (i + 2 >= len || row[i + 2] != RLE) return -1;
        n += row[i + 1];
        i += 2;
    }
    return n;
}

// A record read from the archive: the header checked against the file and the
// group's storage, the data when wanted.  False for anything malformed.
bool read_record(FILE *in, uint32_t off, int n, int g, pic_header &h, uint8_t *data, uint32_t cap)
{
    if (off < 4 || off > records_end || records_end - off < HEADER) return false;
    uint8_t raw[HEADER];
    if (std::fseek(in, (long)off, SEEK_SET) != 0 || std::fread(raw, 1, HEADER, in) != HEADER) return false;
    h = {get_u32(raw), get_u32(raw + 4), get_u32(raw + 8), get_u32(raw + 12)};
    if (h.width == 0 || h.height == 0 || h.width > PIC_MAX_SIDE || h.height > PIC_MAX_SIDE) return false;
    if (h.size > records_end - off - HEADER) return false;
    if (pic_is_rle(n, g)) {
        if (h.size < h.height + 2 || h.extra != h.size - h.height - 2) return false;
    } else if (h.size != h.width * h.height || h.extra != 0) {
        return false;
    }
    if (!data) return true;
    if (h.size > cap || std::fread(data, 1, h.size, in) != h.size) return false;
    if (!pic_is_rle(n, g)) return true;
    // Every row must decode to exactly the picture's width, and the rows must
    // fill the encoded area exactly: the drawing code trusts both.
    const uint8_t *lens = data + h.extra + 1;
    uint32_t at = 0;
    for (uint32_t r = 0; r < h.height; r++) {
        if (at + lens[r] > h.extra + 1) return false;
        if (rle_row_pixels(data + at, lens[r]) != (int)h.width) return false;
        at += lens[r];
    }
    return at == h.extra + 1;
}

}  // namespace

void set_pict_size()
{
    int start = 0;
    for (int g = 0; g < PIC_GROUPS; g++) {
        pict_size[g] = PICT_SIZE[g];
        group_start[g] = start;
        PIC[g] = pic_swadn + start;
        PIC_dat[g] = pic_dat_swadn + start;
        start += PICT_SIZE[g];
    }
}

int pic_ok(int n, int g) { return g >= 0 && g < PIC_GROUPS && n >= 0 && n < PICT_SIZE[g]; }

int index_reads = 0;

int pic_dat_reads() { return index_reads; }

void load_pic_dat()
{
    index_reads++;
    std::memset(pic_dat_swadn, 0, INDEX_BYTES);
    records_end = 0;
    FILE *in = std::fopen(ARCHIVE, "rb");
    if (!in) return;
    std::vector<uint8_t> index(INDEX_BYTES);
    uint8_t head[4];
    bool ok = std::fread(head, 1, 4, in) == 4;
    uint32_t index_pos = ok ? get_u32(head) : 0;
    ok = ok && index_pos <= 0x7fffffffu - 4 && std::fseek(in, (long)(4 + index_pos), SEEK_SET) == 0 &&
         std::fread(index.data(), 1, INDEX_BYTES, in) == INDEX_BYTES;
    std::fclose(in);
    if (!ok) return;   // a truncated archive has no pictures
    records_end = 4 + index_pos;
    for (int i = 0; i < PIC_INDEX; i++) {
        uint32_t off = get_u32(&index[(size_t)i * 4]);
        // An entry that points outside the record area names no picture.
        pic_dat_swadn[i] = off >= 4 && off < records_end && records_end - off >= HEADER ? off : 0;
    }
}

void load_swad()
{
    for (int i = 0; i < PIC_INDEX; i++) pic_swadn[i] = -1;
    for (int i = 0; i < SWINF_COUNT; i++) {
        SWINF[i].start = 0;
        SWINF[i].width = 0;
        SWINF[i].height = 0;
    }
    j[swad_used] = 0;
    j[swinf_used] = 0;
}

int add_pic(int n, int g)
{
    if (!pic_ok(n, g)) return -1;
    uint32_t off = PIC_dat[g][n];
    if (off == 0) {
        PIC[g][n] = 0;
        return -1;
    }
    if (j[swinf_used] < 0 || j[swinf_used] >= SWINF_COUNT || j[swad_used] < 0 || j[swad_used] > SWAD_BYTES)
        return -1;
    FILE *in = std::fopen(ARCHIVE, "rb");
    if (!in) return -1;
    pic_header h;
    bool ok = read_record(in, off, n, g, h, nullptr, 0);
    if (ok && h.size > (uint32_t)(SWAD_BYTES - j[swad_used])) {
        // No room: this picture waits for the next emptying of the store.
        std::fclose(in);
        return -1;
    }
    ok = ok && read_record(in, off, n, g, h, swad + j[swad_used], (uint32_t)(SWAD_BYTES - j[swad_used]));
    std::fclose(in);
    if (!ok) {
        // Malformed: never try this record again.
        PIC_dat[g][n] = 0;
        PIC[g][n] = 0;
        return -1;
    }
    int slot = j[swinf_used];
    SWINF[slot] = {j[swad_used], j[swad_used] + (int32_t)h.extra, (int32_t)h.width, (int32_t)h.height};
    PIC[g][n] = slot;
    j[swad_used] += (int32_t)h.size;
    j[swinf_used] += 1;
    return slot;
}

int pic_slot(int n, int g)
{
    if (!pic_ok(n, g) || PIC_dat[g][n] == 0) return -1;
    int slot = PIC[g][n];
    if (slot == -1) slot = add_pic(n, g);
    return slot >= 0 && slot < j[swinf_used] ? slot : -1;
}

int read_pic(int n, int g, pic_header *hdr, uint8_t *data, int cap)
{
    if (!pic_ok(n, g) || PIC_dat[g][n] == 0) return -1;
    FILE *in = std::fopen(ARCHIVE, "rb");
    if (!in) return -1;
    pic_header h;
    bool ok = read_record(in, PIC_dat[g][n], n, g, h, data, data ? (uint32_t)(cap < 0 ? 0 : cap) : 0);
    std::fclose(in);
    if (!ok) return -1;
    if (hdr) *hdr = h;
    return (int)h.size;
}

// -- run-length rows -----------------------------------------------------------------
int rle_encode_row(const uint8_t *px, int w, uint8_t *out)
{
    int len = 0, zeros = 0;
    auto flush = [&]() {
        if (zeros > 255) return false;
        if (zeros >= 5) {
            out[len++] = RLE;
            out[len++] = (uint8_t)zeros;
            out[len++] = RLE;
        } else {
            for (int k = 0; k < zeros; k++) out[len++] = 0;
        }
        zeros = 0;
        return true;
    };
    for (int x = 0; x < w; x++) {
        if (px[x] == 0) {
            zeros++;
            continue;
        }
        if (px[x] == RLE || !flush()) return -1;
        out[len++] = px[x];
    }
    if (!flush() || len > 255) return -1;
    return len;
}

int rle_decode_row(const uint8_t *row, int len, uint8_t *out, int w, int count)
{
    if (count > w) count = w;
    int x = 0;
    for (int i = 0; i < len && x < count; i++) {
        if (row[i] != RLE) {
            out[x++] = row[i];
            continue;
        }
        int run = i + 1 < len ? row[i + 1] : 0;
        for (int k = 0; k < run && x < count; k++) out[x++] = 0;
        i += 2;
    }
    return x;
}

int rle_decode_row_back(const uint8_t *row, int len, uint8_t *out, int w, int count)
{
    if (count > w) count = w;
    int done = 0;
    for (int i = len - 1; i >= 0 && done < count; i--) {
        if (row[i] != RLE) {
            out[w - 1 - done++] = row[i];
            continue;
        }
        int run = i >= 1 ? row[i - 1] : 0;
        for (int k = 0; k < run && done < count; k++) out[w - 1 - done++] = 0;
        i -= 2;
    }
    return done;
}

int rle_rows(int slot, const uint8_t **rows, int *lens, int max_rows)
{
    if (slot < 0 || slot >= j[swinf_used]) return 0;
    const swinf_rec &s = SWINF[slot];
    int h = s.height < max_rows ? s.height : max_rows;
    // The row table is bottom row first and so are the rows; the top row ends at `end`.
    const uint8_t *table = swad + s.end + 1;
    int at = s.end + 1;
    for (int k = 0; k < s.height; k++) {
        int len = table[s.height - 1 - k];
        at -= len;
        if (k < h) {
            rows[k] = swad + at;
            lens[k] = len;
        }
    }
    return h;
}

// -- building the archive ------------------------------------------------------------
namespace {

// The pixel rows of an 8-bit BMP source, top row first; the reason when it cannot
// be stored.
std::string read_source(FILE *in, std::vector<uint8_t> &px, int &w, int &h)
{
    uint8_t head[1078];
    if (std::fread(head, 1, sizeof head, in) != sizeof head) return "shorter than a BMP header";
    if (head[0] != 'B' || head[1] != 'M' || head[28] != 8 || head[29] != 0) return "not an 8-bit BMP";
    w = head[18] | (head[19] << 8);
    h = head[22] | (head[23] << 8);
    if (w == 0 || h == 0 || w > PIC_MAX_SIDE || h > PIC_MAX_SIDE) return "has no usable size";
    // Rows are read without their padding: a width off the multiple of 4 would shear.
    if (w % 4) return "is " + std::to_string(w) + " wide, not a multiple of 4";
    px.assign((size_t)w * h, 0);
    for (int r = h - 1; r >= 0; r--)
        if (std::fread(&px[(size_t)r * w], 1, (size_t)w, in) != (size_t)w) return "is truncated";
    return "";
}

// Encoded rows bottom first, then the row lengths, then one spare byte.
std::string encode(const std::vector<uint8_t> &px, int w, int h, std::vector<uint8_t> &out, uint32_t &extra)
{
    std::vector<uint8_t> rows, lens;
    std::vector<uint8_t> row((size_t)w * 3 / 2 + 3);
    for (int r = h - 1; r >= 0; r--) {
        int len = rle_encode_row(&px[(size_t)r * w], w, row.data());
        if (len < 0)
            return "row " + std::to_string(r) + " cannot be run-length stored (a pixel 255, or a run or row past 255 bytes)";
        rows.insert(rows.end(), row.begin(), row.begin() + len);
        lens.push_back((uint8_t)len);
    }
    if (rows.empty()) return "has no pixel data";
    extra = (uint32_t)rows.size() - 1;
    out = rows;
    out.insert(out.end(), lens.begin(), lens.end());
    out.push_back(0);
    return "";
}

}  // namespace

int create_bmp_data_file(const char *src_dir, const char *out_file)
{
    FILE *out = std::fopen(out_file, "wb");
    if (!out) return -1;
    put_u32(out, 0);
    std::vector<uint32_t> index(PIC_INDEX, 0);
    uint32_t length = 0;
    int stored = 0;
    bool write_ok = true;
    int start = 0;
    for (int g = 0; g < PIC_GROUPS; g++) {
        for (int n = 0; n < PICT_SIZE[g]; n++) {
            std::string name = std::string(src_dir) + "/" + PIC_PREFIX[g] + std::to_string(n) + ".bmp";
            FILE *in = std::fopen(name.c_str(), "rb");
            if (!in) continue;
            std::vector<uint8_t> px, data;
            int w = 0, h = 0;
            uint32_t extra = 0;
            std::string err = read_source(in, px, w, h);
            std::fclose(in);
            if (err.empty()) {
                if (pic_is_rle(n, g)) err = encode(px, w, h, data, extra);
                else data = px;
            }
            if (!err.empty()) {
                std::fprintf(stderr, "%s: %s; left out of the archive\n", name.c_str(), err.c_str());
                continue;
            }
            index[(size_t)start + n] = length + 4;
            put_u32(out, (uint32_t)w);
            put_u32(out, (uint32_t)h);
            put_u32(out, (uint32_t)data.size());
            put_u32(out, extra);
            write_ok = write_ok && std::fwrite(data.data(), 1, data.size(), out) == data.size();
            length += HEADER + (uint32_t)data.size();
            stored++;
        }
        start += PICT_SIZE[g];
    }
    for (uint32_t v : index) put_u32(out, v);
    write_ok = write_ok && std::fseek(out, 0, SEEK_SET) == 0;
    put_u32(out, length);
    write_ok = write_ok && !std::ferror(out);
    if (std::fclose(out) != 0 || !write_ok) return -1;
    return stored;
}

}  // namespace hm
