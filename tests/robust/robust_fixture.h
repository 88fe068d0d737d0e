// robust_fixture.h -- shipped files cut short and scribbled on in a private run directory,
// each damaged copy read by the game's own reader
#pragma once

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "../flow/flow_fixture.h"

namespace hm {

class Robust : public FlowTest {
protected:
    uint32_t rng = 12345;

    int next(int n)
    {
        rng = rng * 1103515245u + 12345u;
        return (int)((rng >> 8) % (uint32_t)n);
    }

    // The shipped file as the build made it.
    std::string shipped(const std::string &name) const { return read_file(home + "/" + name); }

    // A file of the private run directory of its own, never written through the
    // link into the shared content.
    static void own(const std::string &name, const std::string &bytes)
    {
        unlink(name.c_str());
        FILE *out = std::fopen(name.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }

    // The file cut at each offset of a sample (every byte when it is small, a dense
    // sample and the first and last bytes when it is large), read after each cut.
    void truncations(const std::string &name, const std::string &whole, size_t every, const std::function<void()> &read)
    {
        own(name, whole);
        std::vector<size_t> cuts;
        for (size_t at = 0; at < whole.size(); at += every) cuts.push_back(at);
        for (size_t k = 1; k < 64 && k <= whole.size(); k++) cuts.push_back(whole.size() - k);
        for (size_t k = 1; k < 64 && k < whole.size(); k++) cuts.push_back(k);
        // Longest first: each cut then shortens what the last one left.
        std::sort(cuts.rbegin(), cuts.rend());
        for (size_t at : cuts) {
            ASSERT_EQ(truncate(name.c_str(), (off_t)at), 0);
            read();
        }
        own(name, whole);
    }

    // `count` mutations of the file: one to four bytes set to a value a reader must
    // survive (an edge of a signed or unsigned field, a separator, a digit, noise),
    // the damaged copy read, the bytes put back.  Each edit is made in place.
    void mutations(const std::string &name, const std::string &whole, int count, const std::function<void()> &read)
    {
        static const uint8_t CHOSEN[] = {0, 1, 0x7f, 0x80, 0xff, 0xfe, '~', '^', '-', '0', '9', 'x', ' ', '\n'};
        own(name, whole);
        int fd = open(name.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        for (int i = 0; i < count; i++) {
            int edits = 1 + next(4);
            size_t at[4];
            for (int e = 0; e < edits; e++) {
                // Half the edits land in the first 4 KiB, where the counts and headers are.
                size_t span = next(2) == 0 && whole.size() > 4096 ? 4096 : whole.size();
                at[e] = (size_t)next((int)span);
                uint8_t v = next(3) == 0 ? (uint8_t)next(256) : CHOSEN[next((int)sizeof CHOSEN)];
                ASSERT_EQ(pwrite(fd, &v, 1, (off_t)at[e]), 1);
            }
            read();
            for (int e = 0; e < edits; e++) ASSERT_EQ(pwrite(fd, &whole[at[e]], 1, (off_t)at[e]), 1);
        }
        close(fd);
    }

    // Both, for each of the files: cut every `every` bytes, and `count` mutations
    // shared out among the files.
    void damage(const std::vector<std::string> &names, size_t every, int count, const std::function<void()> &read)
    {
        for (const std::string &name : names) {
            SCOPED_TRACE(name);
            std::string whole = shipped(name);
            ASSERT_FALSE(whole.empty()) << name;
            truncations(name, whole, every, read);
            mutations(name, whole, (count + (int)names.size() - 1) / (int)names.size(), read);
            own(name, whole);
        }
    }

    // Shipped files of the form prefix N suffix, for N in 0..last.
    std::vector<std::string> numbered(const std::string &prefix, int last, const std::string &suffix) const
    {
        std::vector<std::string> names;
        for (int n = 0; n <= last; n++)
            if (exists(home + "/" + prefix + std::to_string(n) + suffix)) names.push_back(prefix + std::to_string(n) + suffix);
        return names;
    }
};

}  // namespace hm
