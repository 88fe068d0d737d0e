// score_test.cpp -- reading scores: parts, continued lines, comments and the form played out
#include <gtest/gtest.h>

#include "music/score.h"

namespace {

TEST(Score, TheFormPlaysThePartsOutBarByBar)
{
    std::string error;
    music::score s = music::read_score(
        "# a test\n"
        "title  A little air  \n"
        "tempo 90 3\n"
        "part A   # the first\n"
        "chords Am | E\n"
        "tune   A4/h. |\n"
        "       G#4/h. |\n"
        "part B\n"
        "chords C\n"
        "tune C5/h.\n"
        "form A B A\n",
        error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(s.title, "A little air");
    EXPECT_EQ(s.bpm, 90);
    EXPECT_EQ(s.beats, 3);
    EXPECT_EQ(s.chords, "Am | E | C | Am | E");
    EXPECT_EQ(s.tune.find("G#4/h."), s.tune.find("G#4"));   // a sharp is no comment
    EXPECT_EQ(s.part, (std::vector<char>{'A', 'A', 'B', 'A', 'A'}));
    EXPECT_EQ(s.section, (std::vector<int>{0, 0, 1, 2, 2}));
}

TEST(Score, FaultsAreNamed)
{
    const struct {
        const char *text, *fault;
    } cases[] = {
        {"part A\nchords Am\ntune A4/w\nform A\n", "no tempo"},
        {"tempo 90 4\npart A\nchords Am | E\ntune A4/w\nform A\n", "differ in bars"},
        {"tempo 90 4\npart A\nchords Am\ntune A4/w\nform A C\n", "not written"},
        {"tempo 90 4\nchords Am\n", "before any part"},
        {"tempo 90 4\npart A\nchords Am\ntune A4/w\n", "plays nothing"},
        {"tempo 90 4\nloudly\n", "unknown word"},
        {"tempo 0 4\n", "tempo"},
    };
    for (const auto &c : cases) {
        std::string error;
        music::read_score(c.text, error);
        EXPECT_NE(error.find(c.fault), std::string::npos) << c.text << " -> " << error;
    }
}

}  // namespace
