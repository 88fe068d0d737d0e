// replace_file.cpp -- the one writer of the game's files: a temporary, flushed, renamed over the old file
#include "data/replace_file.h"

#include <unistd.h>

#include <cstdio>

namespace hm {

int write_fault = WRITE_OK;

namespace {

// True when the test seam asks this step to fail; the fault is spent.
bool fails(int step)
{
    if (write_fault != step) return false;
    write_fault = WRITE_OK;
    return true;
}

}  // namespace

std::string replace_temp(const char *file) { return std::string(file) + ".tmp"; }

int replace_file(const char *file, const void *data, size_t len)
{
    std::string temp = replace_temp(file);
    FILE *out = fails(WRITE_FAIL_OPEN) ? nullptr : std::fopen(temp.c_str(), "wb");
    if (!out) return -1;
    bool ok = !fails(WRITE_FAIL_WRITE) && std::fwrite(data, 1, len, out) == len;
    // On the disc before it replaces the old file: a crash leaves one or the other.
    ok = ok && !fails(WRITE_FAIL_FLUSH) && std::fflush(out) == 0 && fsync(fileno(out)) == 0;
    ok = std::fclose(out) == 0 && !fails(WRITE_FAIL_CLOSE) && ok;
    if (!ok || fails(WRITE_FAIL_RENAME) || std::rename(temp.c_str(), file) != 0) {
        std::remove(temp.c_str());
        return -1;
    }
    return 0;
}

}  // namespace hm
