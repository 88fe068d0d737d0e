// data.h -- content files, the picture archive and store, palettes, the text archive
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace hm {

// -- file names and numbers ---------------------------------------------------------
// Extension codes of loadn and loadn2.
enum { EXT_BMP = 0, EXT_TXT = 1, EXT_NONE = 2 };

void loadn(char letter, int n, int ext);          // xnam = letter, n, extension
void loadn2(const char *prefix, int n, int ext);  // xnam = prefix up to its '~', n, extension
void int_to_str(int n, char *buf);                // decimal text of n; buf holds 12 bytes
int str_to_int(const char *buf);                  // the digits of buf in order, negated by any '-'

// Reader of the content files' text conventions: numbers read one at a time as
// scanf's "%i" reads them ("010" is 8, "0x1F" is 31), names of fixed length ended
// by '~', records separated by '~'.  Once a number fails to read (a letter where
// a number belongs, or the end of the file), every later number read fails too
// and leaves its target unchanged.
struct txt_reader {
    FILE *fp = nullptr;           // the file read, or null for a buffer
    const char *buf = nullptr;    // the buffer read when there is no file
    size_t len = 0;               // length of the buffer
    size_t pos = 0;               // read position in the buffer
    bool stopped = false;         // a number failed: numbers are read no more

    txt_reader() = default;
    txt_reader(const txt_reader &) = delete;
    txt_reader &operator=(const txt_reader &) = delete;
    ~txt_reader() { close(); }

    bool open(const char *file);                 // false when the file cannot be opened
    void open_buffer(const char *text, size_t n);
    void close();
    int get();                                   // the next character, -1 at the end
    bool read_int(int *v);                       // false, *v unchanged, when no number
    // n characters into out[0..n-1]; every '~' becomes NUL and out[n-1] is always
    // NUL, so a 25-character field gives a name of at most 24.  Characters past the
    // end of the input read as NUL.  Returns the characters actually read.
    int read_name(char *out, int n);
    bool skip_records(int n);                    // passes n '~'; false at the end first
};

// The on-screen line editor: edits buf (which holds max_len + 1 bytes) at screen
// text position (x, y) in palette colours fg and bg, in its own 20 ms frames, until
// Enter or Escape is released or the window is closed.  Returns str_to_int of the text.
// mode 1 watches the whole screen for a wipe, mode 2 runs the play screen's check.
int jscanf(int x, int y, int max_len, int fg, int bg, char *buf, int mode);
void jscanf_num(int x, int y, int *value, int fg, int bg, int mode);
int jscanf_escaped();   // 1 when the last line editor was left with Escape

// -- the picture archive and the picture store --------------------------------------
constexpr int PIC_GROUPS = 12;
constexpr int PIC_INDEX = 16000;      // pictures in all groups together
constexpr int SWAD_BYTES = 2000000;   // the picture store
constexpr int SWINF_COUNT = 4000;
constexpr int LS_TILE_COUNT = 4000;
constexpr int PIC_MAX_SIDE = 4096;    // no archived picture is wider or taller

// Pictures per group, and the source-file prefix of each group.
constexpr int PICT_SIZE[PIC_GROUPS] = {250, 250, 125, 1250, 100, 50, 1000, 250, 125, 50, 250, 100};
constexpr const char *PIC_PREFIX[PIC_GROUPS] = {"g", "l", "r", "e", "p", "light_circ",
                                                "a", "j", "m", "bat_sk", "w", "face"};

// Objects, and roofs outside the flat pages 60..119 (mod 240), are run-length.
constexpr bool pic_is_rle(int n, int g) { return g == 1 || (g == 2 && (n / 60) % 4 != 1); }

// Header of one picture record in "bmp_data.dat".
struct pic_header {
    uint32_t width;    // pixels
    uint32_t height;   // pixels
    uint32_t size;     // data bytes after the header
    uint32_t extra;    // run-length: encoded rows' length - 1; raw: 0
};
static_assert(sizeof(pic_header) == 16, "picture record header");
static_assert(offsetof(pic_header, size) == 8 && offsetof(pic_header, extra) == 12, "picture record header");

// One picture loaded into the store.
struct swinf_rec {
    int32_t start;    // offset of the first data byte in swad
    int32_t end;      // start + extra: the last encoded-row byte of a run-length picture
    int32_t width;    // pixels
    int32_t height;   // pixels
};
static_assert(sizeof(swinf_rec) == 16, "SWINF record");
static_assert(offsetof(swinf_rec, end) == 4 && offsetof(swinf_rec, width) == 8 &&
                  offsetof(swinf_rec, height) == 12,
              "SWINF record");

// Properties of one object picture, stored raw in ls_tile.txt.
struct ls_tile_rec {
    uint8_t passable;        // 1 passable, 0 blocks its cell
    int8_t range_penalty;    // copied to the cell's range-penalty layer
    uint16_t gr_light;       // light circle (group 5) cast around the object, 0 none
    int16_t light_str;       // strength of that light circle
    uint8_t ls_light;        // 1 or 2: the object lights the cells around it
    uint8_t unused;          // kept 0
};
static_assert(sizeof(ls_tile_rec) == 8, "ls_tile record");
static_assert(offsetof(ls_tile_rec, range_penalty) == 1 && offsetof(ls_tile_rec, gr_light) == 2 &&
                  offsetof(ls_tile_rec, light_str) == 4 && offsetof(ls_tile_rec, ls_light) == 6 &&
                  offsetof(ls_tile_rec, unused) == 7,
              "ls_tile record");

extern int pict_size[PIC_GROUPS];      // pictures per group, set by set_pict_size
extern uint16_t *jpal_buf;      // 256 shades x 256 palette indices of 16-bit colour
extern uint16_t *jpal;          // the shade slice drawing uses now
extern uint8_t *swad;           // the picture store
extern uint32_t *pic_dat_swadn; // archive offset of each picture, 0 absent
extern int32_t *pic_swadn;      // store slot of each picture, -1 not loaded
extern uint32_t *PIC_dat[PIC_GROUPS];  // per-group views into pic_dat_swadn
extern int32_t *PIC[PIC_GROUPS];       // per-group views into pic_swadn
extern swinf_rec *SWINF;        // loaded pictures
extern ls_tile_rec *ls_tile;    // object picture properties

void set_pict_size();
int pic_ok(int n, int g);       // 1 when n is a picture number of group g
void load_pic_dat();            // the archive's index; no pictures when it is unreadable
int pic_dat_reads();            // how often the index was read: what was read before it may be stale
void load_swad();               // empties the picture store

// Loads picture (n, g) into the store and returns its slot.  -1 when the picture
// is absent (bad number, offset 0, or a malformed record, which is then marked
// absent) or when the store has no room for it: a full store refuses the load and
// keeps everything already loaded, so the picture is simply not drawn until the
// store is emptied at the next level entry.
int add_pic(int n, int g);
// The store slot of (n, g) for drawing, loading it on first use; -1: draw nothing.
int pic_slot(int n, int g);

// Reads picture (n, g) straight from the archive (interface pictures, drawn from
// the file on every draw): the header, and the data when it fits in cap bytes.
// Returns the data size, or -1 when the picture is absent or malformed.
int read_pic(int n, int g, pic_header *hdr, uint8_t *data, int cap);

// Run-length rows: a transparent run of 1..4 pixels is that many 0 bytes, a longer
// one the three bytes 255, length, 255 (readable from either end).  255 is never a
// colour of such a picture.
constexpr int RLE = 255;
// Encodes one row into out (room for w * 3 / 2 + 3 bytes); -1 when the row cannot
// be stored: a run longer than 255, an encoding longer than 255 bytes or a pixel 255.
int rle_encode_row(const uint8_t *px, int w, uint8_t *out);
// Decodes an encoded row from its first byte into out[0..w-1] (0 transparent),
// stopping after `count` pixels.  Returns the pixels decoded.
int rle_decode_row(const uint8_t *row, int len, uint8_t *out, int w, int count);
// The same from the row's last byte: fills out[w-1] leftwards, `count` pixels.
int rle_decode_row_back(const uint8_t *row, int len, uint8_t *out, int w, int count);
// The encoded rows of stored run-length picture `slot`, top row first: rows[r] and
// lens[r] for r < height (at most max_rows).  Returns the rows filled.
int rle_rows(int slot, const uint8_t **rows, int *lens, int max_rows);

// Builds out_file from the 8-bit BMP sources in src_dir (g12.bmp, light_circ3.bmp,
// ...).  A source that cannot be stored (a width that is not a multiple of 4, a
// run-length row that does not fit) is reported on stderr and left absent.
// Returns the number of pictures stored, -1 when the archive cannot be written.
int create_bmp_data_file(const char *src_dir, const char *out_file);

// -- palettes, font and object tiles ------------------------------------------------
constexpr int SHADES = 64;           // shade slices filled from the palette
constexpr int TEX_BYTES = 6800;
constexpr int TEX_NUMBERS = 6796;    // numbers in tex.txt
constexpr int TEX_WIDTHS = 6663;     // advance width of code c is the signed byte tex[6663 + c]

extern uint8_t *tex;                 // the font: glyphs of '!'..'}', then advance widths

void load_jpal(int dr, int dg, int db);  // colour table from jpal.txt, channels moved by dr, dg, db
void loadtex();
void freetex();
void load_ls_tile();
int save_ls_tile();   // 0 when ls_tile.txt was replaced whole; the old file stays on failure

// -- the text archive and text drawing ------------------------------------------------
constexpr int T_STR_COUNT = 500;
constexpr int N_POS_COUNT = 10000;
constexpr int TEXT_FILES = 100;      // t0.txt .. t99.txt

extern uint32_t *t_str;   // separators before each text file
extern uint32_t *n_pos;   // text-area position of the k-th separator

void init_wrt();
void freewrt();
void init_wrt_data();
int text_ok(int t, int f);   // 1 when text t of file f lies inside the archive's index
// Builds out_file from src_dir/t0.txt .. t99.txt; the number of texts, -1 on failure.
int create_txt_data_file(const char *src_dir, const char *out_file);
// Appends t<f>.txt to out (a builder step): 0 done, 1 no such file, -1 too many texts.
int load_txt_file(const char *src_dir, int f, FILE *out, uint32_t *pos, uint32_t *count);

int char_width(int c);   // advance width of character code c (0 outside the table)
void drawc(int x, int y, int c, int fg, int bg, int target);
int wrt2(int x, int y, int max_len, int fg, int bg, int target, const char *s);
int wnum(int x, int y, int value, int fg, int bg, int target);
int mid_num(int value);
// wrt with its numbers in an array: the core of wrt.
int wrt_list(int x, int y, int x_max, int text, int file, int fg, int bg, int target, int n,
             const int *nums);
// Draws text (text, file) with up to n numbers for its '^'; sets text_w and text_h.
template <typename... Nums>
int wrt(int x, int y, int x_max, int text, int file, int fg, int bg, int target, int n, Nums... nums)
{
    const int list[] = {0, static_cast<int>(nums)...};
    int given = (int)sizeof...(nums);
    return wrt_list(x, y, x_max, text, file, fg, bg, target, n < given ? n : given, list + 1);
}
int wrt_around_box(int x, int y, int x_max, int text, int file, int fg, int bg, int num1, int num2,
                   int num3, int target);

}  // namespace hm
