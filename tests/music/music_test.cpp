// music_test.cpp -- the four pieces of music: well-formed MIDI files, looping tunes over chords, for patches we have
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct note {
    uint32_t on, off;
    int channel, key;
};

// A MIDI file read back: every track's notes, its end, the tempo and metre.
struct piece {
    std::string error;
    int division = 0, bpm = 0, beats = 0, programs = 0;
    std::vector<uint32_t> ends;
    std::vector<std::vector<note>> notes;
    std::set<int> program_set, drum_keys;

    explicit piece(const char *file)
    {
        std::string s;
        if (FILE *in = std::fopen(file, "rb")) {
            for (int c; (c = std::fgetc(in)) >= 0;) s += (char)c;
            std::fclose(in);
        }
        auto be = [&s](size_t at, int n) {
            uint32_t v = 0;
            for (int i = 0; i < n; i++) v = v << 8 | (uint8_t)s[at + i];
            return v;
        };
        if (s.size() < 14 || s.compare(0, 4, "MThd") || be(8, 2) != 1) {
            error = "not a format 1 file";
            return;
        }
        division = (int)be(12, 2);
        size_t at = 14;
        for (uint32_t t = be(10, 2); t > 0; t--) {
            if (at + 8 > s.size() || s.compare(at, 4, "MTrk") || at + 8 + be(at + 4, 4) > s.size()) {
                error = "a track is missing or cut short";
                return;
            }
            size_t end = at + 8 + be(at + 4, 4);
            at += 8;
            uint32_t tick = 0;
            int status = 0;
            std::map<int, uint32_t> sounding;   // channel * 128 + key
            notes.emplace_back();
            while (at + 2 < end) {
                uint32_t delta = 0;
                for (uint8_t b = 0x80; b & 0x80 && at < end;) delta = delta << 7 | ((b = (uint8_t)s[at++]) & 0x7f);
                tick += delta;
                if ((uint8_t)s[at] & 0x80) status = (uint8_t)s[at++];
                if (status == 0xFF) {
                    int type = (uint8_t)s[at];
                    if (type == 0x51) bpm = (int)(60000000 / be(at + 2, 3));
                    if (type == 0x58) beats = (uint8_t)s[at + 2];
                    if (type == 0x2F) ends.push_back(tick);
                    at += 2 + (uint8_t)s[at + 1];
                    continue;
                }
                int kind = status & 0xF0, k = (status & 0x0F) * 128 + (uint8_t)s[at];
                bool one = kind == 0xC0 || kind == 0xD0;
                bool on = kind == 0x90 && s[at + 1] != 0, off = kind == 0x80 || (kind == 0x90 && !on);
                at += one ? 1 : 2;
                programs += kind == 0xC0;
                if (kind == 0xC0) program_set.insert((uint8_t)s[at - 1]);
                if (on && status == 0x99) drum_keys.insert(k % 128);
                if (on && sounding.count(k)) error = "a key struck again while it sounds";
                if (off && !sounding.count(k)) error = "a key let go that was not struck";
                if (on) sounding[k] = tick;
                if (off && sounding.count(k)) {
                    notes.back().push_back({sounding[k], tick, k / 128, k % 128});
                    sounding.erase(k);
                }
            }
            if (ends.size() != notes.size() || !sounding.empty()) error = "a track ends badly";
        }
    }
};

class Music : public ::testing::TestWithParam<const char *> {};

TEST_P(Music, IsATuneOverChordsThatLoopsWhole)
{
    piece p(GetParam());
    ASSERT_EQ(p.error, "");
    ASSERT_GE(p.notes.size(), 4u);
    ASSERT_TRUE(p.division > 0 && p.bpm > 0 && p.beats > 0);
    EXPECT_GE(p.programs, 3);
    // Every track ends on the same bar line, so that the loop has no gap.
    uint32_t end = p.ends[0], bar = (uint32_t)(p.beats * p.division);
    for (uint32_t e : p.ends) EXPECT_EQ(e, end);
    EXPECT_EQ(end % bar, 0u);
    double seconds = end / (double)p.division * 60.0 / p.bpm;
    EXPECT_TRUE(seconds >= 60 && seconds <= 120) << seconds;

    // The tune, the first instrument's track: many notes, in one key.
    std::set<int> keys, classes;
    for (const note &n : p.notes[1]) keys.insert(n.key), classes.insert(n.key % 12);
    EXPECT_GE(p.notes[1].size(), 32u);
    EXPECT_GE(keys.size(), 8u);
    EXPECT_TRUE(classes.size() >= 6 && classes.size() <= 8) << classes.size();
    // Chords: in the first beat of every bar at least three keys sound beside the tune.
    for (uint32_t t = 0; t < end; t += bar) {
        std::set<int> heard;
        for (size_t k = 2; k < p.notes.size(); k++)
            for (const note &n : p.notes[k])
                if (n.channel != 9 && n.on < t + (uint32_t)p.division && n.off > t) heard.insert(n.key);
        EXPECT_GE(heard.size(), 3u) << "bar at tick " << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Pieces, Music, ::testing::Values("m1.mid", "m2.mid", "m3.mid", "m4.mid"));

TEST(MusicSet, TheTitleIsQuietTheBattlesDriveAndNoTwoTunesAreAlike)
{
    std::vector<piece> all = {piece("m1.mid"), piece("m2.mid"), piece("m3.mid"), piece("m4.mid")};
    std::vector<size_t> drums;
    std::set<std::vector<int>> tunes;
    for (const piece &p : all) {
        size_t hits = 0;
        for (const auto &t : p.notes)
            for (const note &n : t) hits += n.channel == 9;
        drums.push_back(hits);
        std::vector<int> tune;
        for (const note &n : p.notes.at(1)) tune.push_back(n.key);
        tunes.insert(tune);
    }
    EXPECT_EQ(drums[0], 0u);
    EXPECT_GT(drums[2], 80u);
    EXPECT_GT(drums[3], 80u);
    EXPECT_TRUE(all[0].bpm < all[1].bpm && all[1].bpm < all[2].bpm && all[1].bpm < all[3].bpm);
    EXPECT_EQ(tunes.size(), 4u);
}

// The patch file that the run directory's patch set plays for program p (drum
// key p with `drum`), "" when there is none; `have_set` false when the game was
// built without a patch set.
std::string patch_for(int p, bool drum, bool &have_set)
{
    std::ifstream cfg("allegro.cfg");
    std::string line, dir;
    while (std::getline(cfg, line))
        if (line.rfind("patches = ", 0) == 0) dir = line.substr(10);
    have_set = !dir.empty();
    std::ifstream index(dir + "default.cfg");
    bool in_drums = false;
    while (std::getline(index, line)) {
        std::istringstream words(line);
        std::string n, file;
        if (!(words >> n >> file) || n[0] == '#') continue;
        if (file == "begin_multipatch") in_drums = true;
        // Programs and drum keys both count from 1 in the index.
        if (in_drums == drum && n == std::to_string(p + 1)) return file;
    }
    return "";
}

TEST(MusicSet, EveryInstrumentAndDrumHasItsOwnPatch)
{
    for (const char *name : {"m1.mid", "m2.mid", "m3.mid", "m4.mid"}) {
        piece p(name);
        bool have_set = false;
        for (int prog : p.program_set) {
            std::string file = patch_for(prog, false, have_set);
            if (!have_set) GTEST_SKIP() << "built without a patch set";
            // freepats names each patch by its program: no stand-in plays a tune.
            char own[8];
            std::snprintf(own, sizeof own, "/%03d_", prog);
            EXPECT_NE(file.find(own), std::string::npos) << name << " program " << prog << ": " << file;
            EXPECT_TRUE(std::ifstream(file).good()) << file;
        }
        for (int k : p.drum_keys) {
            std::string file = patch_for(k, true, have_set);
            char own[16];
            std::snprintf(own, sizeof own, "Drum_000/%03d_", k);
            EXPECT_NE(file.find(own), std::string::npos) << name << " drum " << k << ": " << file;
        }
    }
}

}  // namespace
