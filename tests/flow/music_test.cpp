// music_test.cpp -- the four pieces of music: well-formed MIDI files, looping tunes over chords
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

struct note {
    uint32_t on, off;
    int channel, key;
};

struct piece {
    std::string error;        // what is malformed, empty when the file reads whole
    int format = -1, division = 0, bpm = 0, beats = 0;
    std::vector<uint32_t> track_ends;
    std::vector<std::set<int>> programs;        // per track
    std::vector<std::vector<note>> notes;       // per track
};

uint32_t be(const std::string &s, size_t at, int n)
{
    uint32_t v = 0;
    for (int i = 0; i < n; i++) v = v << 8 | (uint8_t)s[at + i];
    return v;
}

piece read_piece(const std::string &file)
{
    piece p;
    std::string s;
    if (FILE *in = std::fopen(file.c_str(), "rb")) {
        for (int c; (c = std::fgetc(in)) >= 0;) s += (char)c;
        std::fclose(in);
    }
    if (s.size() < 14 || s.compare(0, 4, "MThd") != 0 || be(s, 4, 4) != 6) {
        p.error = "no header";
        return p;
    }
    p.format = (int)be(s, 8, 2);
    int tracks = (int)be(s, 10, 2);
    p.division = (int)be(s, 12, 2);
    size_t at = 14;
    for (int t = 0; t < tracks; t++) {
        if (at + 8 > s.size() || s.compare(at, 4, "MTrk") != 0) {
            p.error = "track " + std::to_string(t) + " missing";
            return p;
        }
        size_t end = at + 8 + be(s, at + 4, 4);
        if (end > s.size()) {
            p.error = "track " + std::to_string(t) + " cut short";
            return p;
        }
        at += 8;
        uint32_t tick = 0;
        int status = 0;
        bool ended = false;
        std::map<std::pair<int, int>, uint32_t> sounding;
        p.programs.emplace_back();
        p.notes.emplace_back();
        while (at < end && !ended) {
            uint32_t delta = 0;
            for (int i = 0;; i++) {
                if (i == 4 || at >= end) {
                    p.error = "bad delta time";
                    return p;
                }
                uint8_t b = (uint8_t)s[at++];
                delta = delta << 7 | (b & 0x7f);
                if (!(b & 0x80)) break;
            }
            tick += delta;
            if (at >= end) break;
            if ((uint8_t)s[at] & 0x80) status = (uint8_t)s[at++];
            if (status == 0xFF) {
                int type = (uint8_t)s[at], len = (uint8_t)s[at + 1];
                if (type == 0x51) p.bpm = (int)(60000000 / be(s, at + 2, 3));
                if (type == 0x58) p.beats = (uint8_t)s[at + 2];
                if (type == 0x2F) ended = true;
                at += 2 + (size_t)len;
                continue;
            }
            int kind = status & 0xF0, ch = status & 0x0F;
            int a = (uint8_t)s[at], b = kind == 0xC0 || kind == 0xD0 ? 0 : (uint8_t)s[at + 1];
            at += kind == 0xC0 || kind == 0xD0 ? 1 : 2;
            if (kind == 0xC0) p.programs.back().insert(a);
            auto k = std::make_pair(ch, a);
            if (kind == 0x90 && b > 0) {
                if (sounding.count(k))
                    p.error = "a key struck again while it sounds: channel " + std::to_string(ch) + " key " +
                              std::to_string(a) + " tick " + std::to_string(tick);
                sounding[k] = tick;
            } else if (kind == 0x80 || kind == 0x90) {
                if (!sounding.count(k))
                    p.error = "a key let go that was not struck: channel " + std::to_string(ch) + " key " +
                              std::to_string(a) + " tick " + std::to_string(tick);
                else p.notes.back().push_back({sounding[k], tick, ch, a});
                sounding.erase(k);
            }
        }
        if (!ended || at != end) p.error = "track " + std::to_string(t) + " does not end as marked";
        if (!sounding.empty()) p.error = "notes still sound at the end of a track";
        p.track_ends.push_back(tick);
    }
    return p;
}

class Music : public ::testing::TestWithParam<const char *> {};

TEST_P(Music, IsATuneOverChordsThatLoopsWhole)
{
    piece p = read_piece(GetParam());
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.format, 1);
    ASSERT_GE(p.track_ends.size(), 4u);
    ASSERT_GT(p.division, 0);
    ASSERT_GT(p.bpm, 0);
    ASSERT_GT(p.beats, 0);

    // Every track ends on the same bar line, so that the loop has no gap.
    uint32_t end = p.track_ends[0];
    for (uint32_t e : p.track_ends) EXPECT_EQ(e, end);
    uint32_t bar = (uint32_t)(p.beats * p.division);
    EXPECT_EQ(end % bar, 0u);
    double seconds = end / (double)p.division * 60.0 / p.bpm;
    EXPECT_GT(seconds, 20.0);
    EXPECT_LT(seconds, 120.0);

    // A few instruments.
    std::set<int> programs;
    for (const auto &t : p.programs) programs.insert(t.begin(), t.end());
    EXPECT_GE(programs.size(), 3u);

    // The tune: the first instrument's track, many notes, in one key.
    const std::vector<note> &tune = p.notes[1];
    EXPECT_GE(tune.size(), 32u);
    std::set<int> classes, keys;
    for (const note &n : tune) {
        classes.insert(n.key % 12);
        keys.insert(n.key);
    }
    EXPECT_GE(keys.size(), 8u);
    EXPECT_GE(classes.size(), 6u);
    EXPECT_LE(classes.size(), 8u);

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

TEST(MusicSet, BattlesDriveWithDrumsAndThePiecesDiffer)
{
    std::vector<piece> all;
    for (const char *f : {"m1.mid", "m2.mid", "m3.mid", "m4.mid"}) all.push_back(read_piece(f));
    auto drum_hits = [](const piece &p) {
        size_t n = 0;
        for (const auto &t : p.notes)
            for (const note &x : t) n += x.channel == 9;
        return n;
    };
    EXPECT_EQ(drum_hits(all[0]), 0u);   // the title is quiet
    EXPECT_GT(drum_hits(all[2]), 80u);
    EXPECT_GT(drum_hits(all[3]), 80u);
    // Battles run faster than the title and the road.
    EXPECT_GT(all[2].bpm, all[1].bpm);
    EXPECT_GT(all[3].bpm, all[1].bpm);
    EXPECT_GT(all[1].bpm, all[0].bpm);
    for (size_t a = 0; a < all.size(); a++)
        for (size_t b = a + 1; b < all.size(); b++) {
            std::vector<int> ka, kb;
            for (const note &n : all[a].notes[1]) ka.push_back(n.key);
            for (const note &n : all[b].notes[1]) kb.push_back(n.key);
            EXPECT_NE(ka, kb) << "pieces " << a + 1 << " and " << b + 1;
        }
}

}  // namespace
