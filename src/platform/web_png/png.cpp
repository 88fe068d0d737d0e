// png.cpp -- PNG files in stored deflate blocks behind the libpng calls the screenshots make
#include "png.h"

#include <algorithm>
#include <vector>

namespace {

typedef std::vector<uint8_t> bytes;

uint32_t crc32(const uint8_t *p, size_t n)
{
    static uint32_t table[256];
    if (!table[1])
        for (uint32_t i = 0; i < 256; i++) {
            uint32_t c = i;
            for (int k = 0; k < 8; k++) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
            table[i] = c;
        }
    uint32_t c = 0xffffffffu;
    while (n--) c = table[(c ^ *p++) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void put_be32(bytes &b, uint32_t v)
{
    for (int i = 3; i >= 0; i--) b.push_back((uint8_t)(v >> (8 * i)));
}

// A chunk: length, type and data, and the CRC of type and data.
void put_chunk(bytes &out, const char *type, const bytes &data)
{
    put_be32(out, (uint32_t)data.size());
    size_t from = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    put_be32(out, crc32(out.data() + from, out.size() - from));
}

// The filtered rows as a zlib stream of stored blocks, with its Adler-32 sum.
bytes zlib_stored(const bytes &raw)
{
    bytes z = {0x78, 0x01};
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        z.push_back(pos + n == raw.size() ? 1 : 0);
        z.push_back((uint8_t)n);
        z.push_back((uint8_t)(n >> 8));
        z.push_back((uint8_t)~n);
        z.push_back((uint8_t)(~n >> 8));
        z.insert(z.end(), raw.begin() + (long)pos, raw.begin() + (long)(pos + n));
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (uint8_t ch : raw) {
        a = (a + ch) % 65521;
        b = (b + a) % 65521;
    }
    put_be32(z, b << 16 | a);
    return z;
}

}  // namespace

png_structp png_create_write_struct(const char *, void *, void *, void *) { return new png_struct_def(); }
png_infop png_create_info_struct(png_structp) { return new png_info_def(); }

void png_destroy_write_struct(png_structp *png, png_infop *info)
{
    if (png) delete *png, *png = nullptr;
    if (info) delete *info, *info = nullptr;
}

void png_init_io(png_structp png, FILE *out) { png->out = out; }

void png_set_IHDR(png_structp, png_infop info, png_uint_32 width, png_uint_32 height, int, int colour_type, int,
                  int, int)
{
    info->width = width;
    info->height = height;
    info->colour_type = colour_type;
}

void png_set_rows(png_structp, png_infop info, png_bytepp rows) { info->rows = rows; }

void png_write_png(png_structp png, png_infop info, int, void *)
{
    size_t row = (size_t)info->width * (info->colour_type == PNG_COLOR_TYPE_RGBA ? 4 : 3);
    bytes raw;
    raw.reserve((row + 1) * info->height);
    for (png_uint_32 y = 0; y < info->height; y++) {
        raw.push_back(0);   // no filter
        raw.insert(raw.end(), info->rows[y], info->rows[y] + row);
    }
    bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    bytes ihdr;
    put_be32(ihdr, info->width);
    put_be32(ihdr, info->height);
    ihdr.insert(ihdr.end(), {8, (uint8_t)info->colour_type, 0, 0, 0});
    put_chunk(out, "IHDR", ihdr);
    put_chunk(out, "IDAT", zlib_stored(raw));
    put_chunk(out, "IEND", bytes());
    if (std::fwrite(out.data(), 1, out.size(), png->out) != out.size()) std::longjmp(png->jump, 1);
}
