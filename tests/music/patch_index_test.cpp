// patch_index_test.cpp -- the DIGMID patch index made from a timidity index
#include <gtest/gtest.h>

#include <map>
#include <sstream>

#include "music/patch_index.h"

namespace {

// The index read back as DIGMID numbers it: program (0..127) or 128 + drum key -> file.
std::map<int, std::string> read_back(const std::string &index)
{
    std::map<int, std::string> patches;
    std::istringstream in(index);
    int base = 0;
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string n, file, more;
        if (!(words >> n) || n[0] == '#') continue;
        if (n == "end_multipatch") {
            base = 0;
            continue;
        }
        EXPECT_TRUE(words >> file) << line;
        EXPECT_FALSE(words >> more) << "more than a number and a file: " << line;
        if (file == "begin_multipatch") base = std::stoi(n) - 1;
        else patches[base + std::stoi(n) - 1] = file;
    }
    return patches;
}

const char *const freepats_like =
    "dir /usr/share/midi/freepats\n"
    "# a comment\n"
    "drumset 0\n"
    " 35\tDrum_000/035_Kick_1.pat amp=100\n"
    " 38\tDrum_000/038_Snare_1.pat\n"
    "bank 0\n"
    " 0\tTone_000/000_Piano.pat amp=120 pan=center\n"
    " 2\tTone_000/002_Grand.pat\n"
    " 42\tTone_000/042_Cello.pat\n"
    " 53\t/elsewhere/053_Oohs.pat\n"
    "bank 1\n"
    " 42\tTone_001/042_Other_Cello.pat\n";

TEST(PatchIndex, NumbersFromOneAbsoluteNamesDrumsInAMultipatchAtTheEnd)
{
    std::string error;
    std::map<int, std::string> p = read_back(music::patch_index(freepats_like, error));
    ASSERT_EQ(error, "");
    EXPECT_EQ(p[0], "/usr/share/midi/freepats/Tone_000/000_Piano.pat");
    EXPECT_EQ(p[42], "/usr/share/midi/freepats/Tone_000/042_Cello.pat");   // bank 1 is not General MIDI
    EXPECT_EQ(p[53], "/elsewhere/053_Oohs.pat");
    EXPECT_EQ(p[128 + 35], "/usr/share/midi/freepats/Drum_000/035_Kick_1.pat");
    EXPECT_EQ(p[128 + 38], "/usr/share/midi/freepats/Drum_000/038_Snare_1.pat");
    EXPECT_EQ(p.count(128 + 36), 0u);
    EXPECT_EQ(p.size(), 128u + 2u);
}

TEST(PatchIndex, AMissingProgramPlaysItsNearestNeighbourInItsFamilyFirst)
{
    std::string error;
    std::map<int, std::string> p = read_back(music::patch_index(freepats_like, error));
    auto is = [&](int prog, const char *file) { return p[prog].find(file) != std::string::npos; };
    EXPECT_TRUE(is(1, "000_Piano"));     // a tie: the lower one
    EXPECT_TRUE(is(3, "002_Grand"));
    EXPECT_TRUE(is(7, "002_Grand"));     // a piano still
    EXPECT_TRUE(is(43, "042_Cello"));    // contrabass: the cello
    EXPECT_TRUE(is(47, "042_Cello"));
    EXPECT_TRUE(is(52, "053_Oohs"));     // choir: the voices
    EXPECT_TRUE(is(40, "042_Cello"));
    EXPECT_TRUE(is(8, "002_Grand"));     // no chromatic percussion at all: the nearest anywhere
    EXPECT_TRUE(is(127, "053_Oohs"));
}

TEST(PatchIndex, AnIndexWithoutDirectoryOrPatchesIsRefused)
{
    std::string error;
    EXPECT_EQ(music::patch_index("bank 0\n 0 Tone_000/000_Piano.pat\n", error), "");
    EXPECT_NE(error, "");
    error.clear();
    EXPECT_EQ(music::patch_index("dir /x\n# nothing\n", error), "");
    EXPECT_NE(error, "");
    error.clear();
    EXPECT_EQ(music::patch_index("dir /x\ndrumset 0\n 35 k.pat\n", error), "");   // drums alone play no tune
    EXPECT_NE(error, "");
}

}  // namespace
