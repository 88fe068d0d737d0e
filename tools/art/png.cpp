// png.cpp -- minimal PNG writer: stored (uncompressed) deflate blocks, CRC and Adler sums
#include "art/png.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "art/palette.h"

namespace art {

namespace {

uint32_t crc_table[256];

void make_crc_table()
{
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t c = n;
        for (int k = 0; k < 8; k++) c = c & 1 ? 0xedb88320u ^ (c >> 1) : c >> 1;
        crc_table[n] = c;
    }
}

uint32_t crc(const std::string &bytes)
{
    if (!crc_table[1]) make_crc_table();
    uint32_t c = 0xffffffffu;
    for (unsigned char b : bytes) c = crc_table[(c ^ b) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void be32(std::string &s, uint32_t v)
{
    for (int i = 3; i >= 0; i--) s += (char)((v >> (8 * i)) & 0xff);
}

void chunk(std::string &out, const char *type, const std::string &data)
{
    be32(out, (uint32_t)data.size());
    std::string body = std::string(type) + data;
    out += body;
    be32(out, crc(body));
}

// The image rows (each with filter byte 0) wrapped in a zlib stream of stored blocks.
std::string zlib_stored(const std::string &raw)
{
    std::string z = "\x78\x01";
    size_t pos = 0;
    do {
        size_t n = std::min<size_t>(65535, raw.size() - pos);
        bool last = pos + n == raw.size();
        z += (char)(last ? 1 : 0);
        z += (char)(n & 0xff);
        z += (char)(n >> 8);
        z += (char)(~n & 0xff);
        z += (char)((~n >> 8) & 0xff);
        z.append(raw, pos, n);
        pos += n;
    } while (pos < raw.size());
    uint32_t a = 1, b = 0;
    for (unsigned char ch : raw) {
        a = (a + ch) % 65521;
        b = (b + a) % 65521;
    }
    be32(z, (b << 16) | a);
    return z;
}

int write_file(const char *file, int w, int h, int colour_type, const std::string &plte, const std::string &raw)
{
    std::string out = "\x89PNG\r\n\x1a\n";
    std::string ihdr;
    be32(ihdr, (uint32_t)w);
    be32(ihdr, (uint32_t)h);
    ihdr += (char)8;
    ihdr += (char)colour_type;
    ihdr += std::string(3, '\0');
    chunk(out, "IHDR", ihdr);
    if (!plte.empty()) chunk(out, "PLTE", plte);
    chunk(out, "IDAT", zlib_stored(raw));
    chunk(out, "IEND", "");
    FILE *f = std::fopen(file, "wb");
    if (!f) return -1;
    size_t wrote = std::fwrite(out.data(), 1, out.size(), f);
    return std::fclose(f) == 0 && wrote == out.size() ? 0 : -1;
}

}  // namespace

int write_png8(const char *file, const canvas &c)
{
    std::string plte;
    const rgb *p = palette();
    for (int i = 0; i < 256; i++) {
        plte += (char)(p[i].r * 255 / 63);
        plte += (char)(p[i].g * 255 / 63);
        plte += (char)(p[i].b * 255 / 63);
    }
    std::string raw;
    raw.reserve((size_t)(c.w + 1) * c.h);
    for (int y = 0; y < c.h; y++) {
        raw += '\0';
        raw.append((const char *)&c.px[(size_t)y * c.w], (size_t)c.w);
    }
    return write_file(file, c.w, c.h, 3, plte, raw);
}

int write_png_rgb(const char *file, int w, int h, const std::vector<uint32_t> &px)
{
    std::string raw;
    raw.reserve((size_t)(w * 3 + 1) * h);
    for (int y = 0; y < h; y++) {
        raw += '\0';
        for (int x = 0; x < w; x++) {
            uint32_t v = px[(size_t)y * w + x];
            raw += (char)((v >> 16) & 0xff);
            raw += (char)((v >> 8) & 0xff);
            raw += (char)(v & 0xff);
        }
    }
    return write_file(file, w, h, 2, "", raw);
}

}  // namespace art
