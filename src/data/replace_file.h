// replace_file.h -- writing a file whole or not at all: a temporary beside it, flushed, renamed over it
#pragma once

#include <cstddef>
#include <string>

namespace hm {

// Writes len bytes as file: into file + ".tmp" in the same directory, flushed to
// the disc, then renamed over the old file.  0 written; -1 failed, and then the
// old file (if any) is as it was and no temporary file is left.
int replace_file(const char *file, const void *data, size_t len);
// The temporary a write goes through.
std::string replace_temp(const char *file);

// Test seam: the step of the next write that fails, once (then back to none).
enum { WRITE_OK = 0, WRITE_FAIL_OPEN, WRITE_FAIL_WRITE, WRITE_FAIL_FLUSH, WRITE_FAIL_CLOSE, WRITE_FAIL_RENAME,
       WRITE_STEPS };
extern int write_fault;

}  // namespace hm
