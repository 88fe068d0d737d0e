// content_files.cpp -- content file names, number text, and the reader of the files' conventions
#include <cctype>
#include <climits>
#include <cstring>

#include "core/core.h"
#include "data/data.h"

namespace hm {

namespace {

constexpr int XNAM_BYTES = 50;

const char *extension(int ext)
{
    if (ext == EXT_BMP) return ".bmp";
    if (ext == EXT_TXT) return ".txt";
    return "";
}

// Appends the number and the extension to the first `used` bytes of xnam.
void finish_name(int used, int n, int ext)
{
    char digits[12];
    int_to_str(n, digits);
    std::snprintf(xnam + used, (size_t)(XNAM_BYTES - used), "%s%s", digits, extension(ext));
}

}  // namespace

void loadn(char letter, int n, int ext)
{
    xnam[0] = letter;
    finish_name(1, n, ext);
}

void loadn2(const char *prefix, int n, int ext)
{
    int cut = -1;
    for (int i = 0; i < 20 && prefix[i]; i++)
        if (prefix[i] == '~') {
            cut = i;
            break;
        }
    if (cut < 0) return;
    std::memcpy(xnam, prefix, (size_t)cut);
    finish_name(cut, n, ext);
}

void int_to_str(int n, char *buf)
{
    // Digits of |n| in unsigned arithmetic: |INT_MIN| does not fit in an int.
    unsigned int u = n < 0 ? 0u - (unsigned int)n : (unsigned int)n;
    char rev[12];
    int k = 0;
    do {
        rev[k++] = (char)('0' + u % 10);
        u /= 10;
    } while (u);
    int at = 0;
    if (n < 0) buf[at++] = '-';
    while (k) buf[at++] = rev[--k];
    buf[at] = 0;
}

int str_to_int(const char *buf)
{
    // A typed name may hold any number of digits: the value saturates instead of
    // overflowing.
    long long v = 0;
    bool negative = false;
    for (int i = 0; i < 40 && buf[i]; i++) {
        char c = buf[i];
        if (c == '-') negative = true;
        if (c >= '0' && c <= '9') {
            v = v * 10 + (c - '0');
            if (v > (long long)INT_MAX + 1) v = (long long)INT_MAX + 1;
        }
    }
    if (negative) return (int)-v;
    return v > INT_MAX ? INT_MAX : (int)v;
}

// -- the reader ---------------------------------------------------------------------
bool txt_reader::open(const char *file)
{
    close();
    fp = std::fopen(file, "rb");
    return fp != nullptr;
}

void txt_reader::open_buffer(const char *text, size_t n)
{
    close();
    buf = text;
    len = n;
}

void txt_reader::close()
{
    if (fp) std::fclose(fp);
    fp = nullptr;
    buf = nullptr;
    len = pos = 0;
    stopped = false;
}

int txt_reader::get()
{
    if (fp) return std::fgetc(fp);
    if (buf && pos < len) return (unsigned char)buf[pos++];
    return -1;
}

namespace {

// Puts one character back; only ever the one just read.
void unget(txt_reader &r, int c)
{
    if (c < 0) return;
    if (r.fp) std::ungetc(c, r.fp);
    else if (r.pos > 0) r.pos--;
}

int digit_value(int c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

}  // namespace

bool txt_reader::read_int(int *v)
{
    if (stopped) return false;
    int c = get();
    while (c >= 0 && std::isspace(c)) c = get();
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = get();
    }
    int base = 10;
    bool any = false;
    if (c == '0') {
        // "0x" makes hexadecimal (even with no digit after it: that reads as 0),
        // a lone leading 0 octal.
        any = true;
        c = get();
        if (c == 'x' || c == 'X') {
            base = 16;
            c = get();
        } else {
            base = 8;
        }
    }
    // Like strtol: the magnitude saturates, the result keeps the low 32 bits.
    unsigned long long mag = 0;
    const unsigned long long cap = (unsigned long long)LLONG_MAX + 1;
    while (c >= 0 && digit_value(c) < base) {
        any = true;
        unsigned d = (unsigned)digit_value(c);
        mag = mag > (cap - d) / (unsigned)base ? cap : mag * (unsigned)base + d;
        c = get();
    }
    unget(*this, c);
    if (!any) {
        stopped = true;
        return false;
    }
    long long value;
    if (negative) value = mag >= cap ? LLONG_MIN : -(long long)mag;
    else value = mag >= cap ? LLONG_MAX : (long long)mag;
    *v = (int)(uint32_t)(uint64_t)value;
    return true;
}

int txt_reader::read_name(char *out, int n)
{
    int got = 0;
    for (int i = 0; i < n; i++) {
        int c = get();
        if (c >= 0) got++;
        out[i] = c < 0 || c == '~' ? 0 : (char)c;
    }
    if (n > 0) out[n - 1] = 0;
    return got;
}

bool txt_reader::skip_records(int n)
{
    for (int passed = 0; passed < n;) {
        int c = get();
        if (c < 0) return false;
        if (c == '~') passed++;
    }
    return true;
}

}  // namespace hm
