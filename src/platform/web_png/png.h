// png.h -- the few libpng calls the screenshots make, for the browser build (no libpng ships for it)
//
// Writes PNG files of 8-bit RGB or RGBA rows in stored (uncompressed) deflate
// blocks: larger files than libpng's, read by every PNG reader.
#pragma once

#include <csetjmp>
#include <cstdint>
#include <cstdio>

typedef uint32_t png_uint_32;
typedef uint8_t *png_bytep;
typedef png_bytep *png_bytepp;

struct png_struct_def {
    std::jmp_buf jump;
    FILE *out;
};
struct png_info_def {
    png_uint_32 width, height;
    int colour_type;
    png_bytepp rows;
};
typedef png_struct_def *png_structp;
typedef png_info_def *png_infop;

#define PNG_LIBPNG_VER_STRING "stored"
#define PNG_COLOR_TYPE_RGB 2
#define PNG_COLOR_TYPE_RGB_ALPHA 6
#define PNG_COLOR_TYPE_RGBA PNG_COLOR_TYPE_RGB_ALPHA
#define PNG_INTERLACE_NONE 0
#define PNG_COMPRESSION_TYPE_DEFAULT 0
#define PNG_FILTER_TYPE_DEFAULT 0
#define PNG_TRANSFORM_IDENTITY 0
#define png_jmpbuf(png) ((png)->jump)

png_structp png_create_write_struct(const char *version, void *error_ptr, void *error_fn, void *warn_fn);
png_infop png_create_info_struct(png_structp png);
void png_destroy_write_struct(png_structp *png, png_infop *info);
void png_init_io(png_structp png, FILE *out);
void png_set_IHDR(png_structp png, png_infop info, png_uint_32 width, png_uint_32 height, int bit_depth,
                  int colour_type, int interlace, int compression, int filter);
void png_set_rows(png_structp png, png_infop info, png_bytepp rows);
// Fails through png_jmpbuf, as libpng does, when the file cannot be written.
void png_write_png(png_structp png, png_infop info, int transforms, void *params);
