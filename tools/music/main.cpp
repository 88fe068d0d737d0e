// main.cpp -- hm_music: arranges the game's four pieces from their scores into the run directory
//
//   hm_music SCORE_DIR OUT_DIR   reads m1.score .. m4.score and writes m1.mid (the
//                                title), m2.mid (exploring, and victory), m3.mid
//                                and m4.mid (the two battle themes)
//
// A score (tunes/*.score) holds a tune over a chord progression, one bar per chord
// symbol, in parts played in the order of its form.  The arrangement here adds the
// instruments that follow the chords: held pads, arpeggios, bass lines, drums,
// thinner or fuller by the place in the form.  Every track ends on the piece's
// last bar line, so the game's looping comes round without a break.  All of it is
// for the fiddles, flutes, harps and hand drums of a marsh village at a forest's
// edge, on programs the freepats set has.
#include <cstdio>
#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "music/midi.h"
#include "music/score.h"

using namespace music;

namespace {

// General MIDI programs.
enum {
    NYLON_GUITAR = 24, ACOUSTIC_BASS = 32, VIOLIN = 40, CELLO = 42, TREMOLO_STRINGS = 44, PIZZICATO = 45,
    HARP = 46, TIMPANI = 47, STRINGS = 48, VOICES = 53, FRENCH_HORN = 60, OBOE = 68, FLUTE = 73,
    RECORDER = 74,
};

// General MIDI percussion keys.
enum {
    KICK = 36, SNARE = 38, CLOSED_HAT = 42, LOW_TOM = 45, MID_TOM = 47, HIGH_TOM = 50, CRASH = 49,
    TAMBOURINE = 54, SHAKER = 82,
};

struct chord_span {
    uint32_t at, len;     // ticks
    std::string symbol;   // "Am", "B7", ...
    std::vector<int> tones(int octave) const { return chord(symbol, octave); }
};

class composer {
public:
    std::string error;

    explicit composer(const score &s) : bar_(s.beats * PPQ), score_(s)
    {
        track conductor;
        conductor.name = s.title;
        conductor.tempo(0, s.bpm);
        conductor.metre(0, s.beats);
        tracks_.push_back(conductor);
        read_chords(s.chords);
    }

    uint32_t bar() const { return bar_; }
    uint32_t end() const { return bars_ * bar_; }
    // Where bar b stands in the form: the part's letter, and which playing of a part it is.
    char part(int b) const { return score_.part.at((size_t)b); }
    int section(int b) const { return score_.section.at((size_t)b); }

    // A track of its own for one instrument on one channel.
    track &voice(const char *name, int channel, int program, int volume, int pan, int reverb)
    {
        track t;
        t.name = name;
        if (channel != DRUMS) t.program(0, channel, program);
        t.control(0, channel, 7, volume);
        t.control(0, channel, 10, pan);
        t.control(0, channel, 91, reverb);
        tracks_.push_back(t);
        return tracks_.back();
    }

    void tune(track &t, int channel, int velocity, double legato)
    {
        uint32_t at = melody(t, 0, channel, score_.tune, velocity, legato, bar_, error);
        if (error.empty() && at != end()) error = "the tune is not as long as the chords";
    }

    // Each chord held for its span, in the bars where `in` holds.
    void pad(track &t, int channel, int octave, int velocity, const std::function<bool(int bar)> &in)
    {
        for (const chord_span &c : chords_) {
            if (!in((int)(c.at / bar_))) continue;
            for (int k : c.tones(octave)) t.note(c.at, c.len - PPQ / 16, channel, k, velocity);
        }
    }

    // Steps of `step` ticks through the chord's tones over two octaves, in the
    // order of `order` (indices into root, third, fifth[, seventh] of `octave`,
    // then the same an octave higher).
    void arpeggio(track &t, int channel, int octave, uint32_t step, const std::vector<int> &order,
                  int velocity, double legato)
    {
        for (uint32_t at = 0; at < end(); at += step) {
            const chord_span &c = chord_at(at);
            std::vector<int> tones = c.tones(octave);
            size_t n = tones.size();
            for (size_t i = 0; i < n; i++) tones.push_back(tones[i] + 12);
            int i = order[((at - c.at) / step) % order.size()];
            int accent = at % bar_ == 0 ? 10 : 0;
            t.note(at, (uint32_t)(step * legato), channel, tones[(size_t)i % tones.size()], velocity + accent);
        }
    }

    // A line that follows the chords, one character a step through each bar:
    // R the root, r the root an octave up, 3 the third, 5 the fifth, 7 the
    // seventh (or the octave of a triad); '.' holds the note before, '_' is silence.
    void line(track &t, int channel, int octave, uint32_t step,
              const std::function<std::string(int bar)> &pattern, int velocity, double legato)
    {
        for (int b = 0; b < bars_; b++) {
            std::string p = pattern(b);
            if (p.size() * step != bar_) {
                error = "a line pattern does not fill its bar";
                return;
            }
            for (size_t i = 0; i < p.size(); i++) {
                if (p[i] == '.' || p[i] == '_') continue;
                size_t held = 1;
                while (i + held < p.size() && p[i + held] == '.') held++;
                uint32_t at = b * bar_ + (uint32_t)i * step;
                std::vector<int> tones = chord_at(at).tones(octave);
                if (tones.empty()) continue;
                int k = tones[0];
                switch (p[i]) {
                case 'r': k += 12; break;
                case '3': k = tones[1]; break;
                case '5': k = tones[2]; break;
                case '7': k = tones.size() > 3 ? tones[3] : tones[0] + 12; break;
                case 'R': break;
                default: error = std::string("unknown step '") + p[i] + "' in a line"; return;
                }
                t.note(at, (uint32_t)(held * step * legato), channel, k, velocity + (i == 0 ? 8 : 0));
            }
        }
    }

    // One drum, sixteenths through each bar: x loud, o soft, '.' nothing.
    void drum(track &t, int k, int velocity, const std::function<std::string(int bar)> &pattern)
    {
        uint32_t step = PPQ / 4;
        for (int b = 0; b < bars_; b++) {
            std::string p = pattern(b);
            if (p.size() * step != bar_) {
                error = "a drum pattern does not fill its bar";
                return;
            }
            for (size_t i = 0; i < p.size(); i++) {
                if (p[i] == '.') continue;
                int v = p[i] == 'x' ? velocity : velocity * 3 / 5;
                t.note(b * bar_ + (uint32_t)i * step, step / 2, DRUMS, k, v);
            }
        }
    }

    bool write(const std::string &path)
    {
        if (!error.empty()) return false;
        if (!write_file(path, smf(std::vector<track>(tracks_.begin(), tracks_.end()), end()))) {
            error = "cannot write " + path;
            return false;
        }
        return true;
    }

private:
    uint32_t bar_;
    const score &score_;
    int bars_ = 0;
    std::vector<chord_span> chords_;
    std::deque<track> tracks_;   // a deque: voice() hands out references that must stay

    // "Am | F | Em A": one bar between bars lines, its chords sharing it equally.
    void read_chords(const std::string &progression)
    {
        std::stringstream all(progression);
        for (std::string bar_text; std::getline(all, bar_text, '|'); bars_++) {
            std::istringstream in(bar_text);
            std::vector<std::string> symbols;
            for (std::string s; in >> s;) symbols.push_back(s);
            if (symbols.empty() || bar_ % symbols.size()) {
                error = "a bar of the progression has no chord, or chords that do not share it";
                return;
            }
            uint32_t len = bar_ / (uint32_t)symbols.size();
            for (size_t i = 0; i < symbols.size(); i++) {
                if (chord(symbols[i], 4).empty()) {
                    error = "unknown chord " + symbols[i];
                    return;
                }
                chords_.push_back({bars_ * bar_ + (uint32_t)i * len, len, symbols[i]});
            }
        }
    }

    const chord_span &chord_at(uint32_t tick) const
    {
        for (const chord_span &c : chords_)
            if (tick >= c.at && tick < c.at + c.len) return c;
        return chords_.back();
    }
};

auto every(const std::string &p) { return [p](int) { return p; }; }
auto always() { return [](int) { return true; }; }

// The title: a slow air, flute over harp and a low cello; strings join from the
// middle part on.
void title(composer &m)
{
    m.tune(m.voice("flute", 0, FLUTE, 100, 72, 70), 0, 88, 0.95);
    m.arpeggio(m.voice("harp", 1, HARP, 96, 40, 70), 1, 3, PPQ / 2, {0, 2, 3, 4, 5, 3}, 62, 1.6);
    m.pad(m.voice("strings", 2, STRINGS, 76, 88, 80), 2, 4, 40, [&](int b) { return m.section(b) > 0; });
    m.line(m.voice("cello", 3, CELLO, 90, 64, 50), 3, 2, PPQ / 2, every("R....."), 68, 0.98);
}

// Exploring, and the victory: a walking tune, recorder over guitar and plucked
// strings, a shaker and a soft drum keeping the step.
void exploring(composer &m)
{
    m.tune(m.voice("recorder", 0, RECORDER, 96, 70, 50), 0, 86, 0.9);
    m.arpeggio(m.voice("guitar", 1, NYLON_GUITAR, 100, 50, 40), 1, 3, PPQ / 2, {0, 2, 3, 4, 5, 3, 4, 2}, 64,
               1.5);
    m.line(m.voice("bass", 2, ACOUSTIC_BASS, 96, 64, 30), 2, 2, PPQ / 2, every("R..5R.5."), 78, 0.9);
    m.pad(m.voice("strings", 3, STRINGS, 70, 84, 70), 3, 4, 36, [&](int b) { return m.part(b) == 'B'; });
    m.line(m.voice("pizzicato", 4, PIZZICATO, 80, 30, 40), 4, 4, PPQ, [&](int b) {
        return m.section(b) == 2 ? std::string("_353") : std::string("____");
    }, 58, 0.5);
    track &drums = m.voice("percussion", DRUMS, 0, 80, 64, 40);
    m.drum(drums, SHAKER, 60, every("o.x.o.x.o.x.o.x."));
    m.drum(drums, KICK, 70, every("x.......x......."));
    m.drum(drums, TAMBOURINE, 50, every("....o.......o..."));
}

// The first battle: a reel at a run, fiddle over driving cellos and strings,
// timpani, toms and snare; a fill closes every eighth bar.
void battle_one(composer &m)
{
    m.tune(m.voice("fiddle", 0, VIOLIN, 108, 64, 50), 0, 98, 0.88);
    m.arpeggio(m.voice("strings", 1, STRINGS, 92, 40, 60), 1, 4, PPQ / 2, {0, 2, 1, 2, 0, 2, 1, 2}, 72, 0.45);
    auto fills = [](int b) { return b % 8 == 7; };
    m.line(m.voice("timpani", 2, TIMPANI, 96, 88, 60), 2, 2, PPQ / 4,
           [&](int b) { return fills(b) ? std::string("R.R.R.R.RRRRRRRR") : std::string("R.......R...5..."); },
           84, 0.9);
    m.line(m.voice("cellos", 3, CELLO, 100, 64, 20), 3, 2, PPQ / 2, every("RRrRRRrR"), 82, 0.8);
    m.pad(m.voice("horn", 4, FRENCH_HORN, 80, 90, 60), 4, 3, 54, [&](int b) { return m.part(b) == 'C'; });
    track &drums = m.voice("drums", DRUMS, 0, 100, 64, 40);
    m.drum(drums, KICK, 100, every("x.....x.x......."));
    m.drum(drums, SNARE, 96, [&](int b) { return fills(b) ? "....x...x.x.xxxx" : "....x.......x..."; });
    m.drum(drums, CLOSED_HAT, 60, every("x.o.x.o.x.o.x.o."));
    m.drum(drums, LOW_TOM, 80, [&](int b) { return m.part(b) == 'B' ? "..x...x...x...x." : "................"; });
    m.drum(drums, CRASH, 90, [](int b) { return b % 8 == 0 ? "x..............." : "................"; });
}

// The second battle: darker and heavier, horn over tremolo strings, voices
// rising in the later parts, timpani and toms.
void battle_two(composer &m)
{
    m.tune(m.voice("horn", 0, FRENCH_HORN, 108, 60, 60), 0, 100, 0.92);
    m.pad(m.voice("tremolo strings", 1, TREMOLO_STRINGS, 90, 44, 70), 1, 4, 58, always());
    m.pad(m.voice("voices", 2, VOICES, 84, 84, 90), 2, 4, 52, [&](int b) { return m.part(b) != 'A'; });
    m.line(m.voice("cellos", 3, CELLO, 100, 64, 30), 3, 2, PPQ / 2, every("RRRRRRrR"), 82, 0.6);
    m.line(m.voice("timpani", 4, TIMPANI, 100, 70, 60), 4, 2, PPQ / 4, every("R.......R...R..."), 92, 1.0);
    auto fill = [](int b) { return b % 8 == 7; };
    track &drums = m.voice("drums", DRUMS, 0, 100, 64, 40);
    m.drum(drums, KICK, 100, every("x.....x...x....."));
    m.drum(drums, SNARE, 90, [&](int b) { return fill(b) ? "....x..........." : "....x.......x.x."; });
    m.drum(drums, HIGH_TOM, 90, [&](int b) { return fill(b) ? "........xx......" : "................"; });
    m.drum(drums, MID_TOM, 90, [&](int b) { return fill(b) ? "..........xx...." : "................"; });
    m.drum(drums, LOW_TOM, 96, [&](int b) { return fill(b) ? "............xxxx" : "................"; });
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hm_music SCORE_DIR OUT_DIR\n");
        return 2;
    }
    std::string scores = argv[1], dir = argv[2];
    const struct {
        const char *name;
        void (*arrange)(composer &);
    } pieces[] = {{"m1", title}, {"m2", exploring}, {"m3", battle_one}, {"m4", battle_two}};
    for (const auto &p : pieces) {
        std::string path = scores + "/" + p.name + ".score", text, error;
        if (!read_file(path, text)) {
            std::fprintf(stderr, "hm_music: cannot read %s\n", path.c_str());
            return 1;
        }
        score s = read_score(text, error);
        if (!error.empty()) {
            std::fprintf(stderr, "hm_music: %s: %s\n", path.c_str(), error.c_str());
            return 1;
        }
        composer m(s);
        if (m.error.empty()) p.arrange(m);
        if (!m.write(dir + "/" + p.name + ".mid")) {
            std::fprintf(stderr, "hm_music: %s.mid: %s\n", p.name, m.error.empty() ? "not written" : m.error.c_str());
            return 1;
        }
    }
    return 0;
}
