// main.cpp -- hm_music: composes the game's four pieces into the run directory
//
//   hm_music OUT_DIR    writes m1.mid (the title), m2.mid (exploring, and victory),
//                       m3.mid and m4.mid (the two battle themes)
//
// Each piece is a tune over a chord progression, one bar per chord symbol, with
// parts that follow the chords: held pads, arpeggios, bass lines, drums.  Every
// track ends on the piece's last bar line, so the game's looping comes round
// without a break.
#include <cstdio>
#include <deque>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "music/midi.h"

using namespace music;

namespace {

// General MIDI programs.
enum {
    NYLON_GUITAR = 24, FINGER_BASS = 33, ACOUSTIC_BASS = 32, CONTRABASS = 43, TREMOLO_STRINGS = 44,
    HARP = 46, TIMPANI = 47, STRINGS = 48, CHOIR = 52, FRENCH_HORN = 60, BRASS = 61, OBOE = 68,
    FLUTE = 73, TAIKO = 116,
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

    composer(const char *title, int bpm, int beats, const std::string &progression)
        : bar_(beats * PPQ)
    {
        track conductor;
        conductor.name = title;
        conductor.tempo(0, bpm);
        conductor.metre(0, beats);
        tracks_.push_back(conductor);
        read_chords(progression);
    }

    uint32_t bar() const { return bar_; }
    uint32_t end() const { return bars_ * bar_; }

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

    void tune(track &t, int channel, const std::string &line, int velocity, double legato)
    {
        uint32_t at = melody(t, 0, channel, line, velocity, legato, bar_, error);
        if (error.empty() && at != end()) error = "the tune is not as long as the chords";
    }

    // Each chord held for its span, from bar `from` to bar `to` (counted from 0).
    void pad(track &t, int channel, int octave, int velocity, int from = 0, int to = 1 << 20)
    {
        for (const chord_span &c : chords_) {
            int b = (int)(c.at / bar_);
            if (b < from || b > to) continue;
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

// The title: a slow air in A minor, flute over harp and strings, three in a bar.
bool title(const std::string &dir, std::string &error)
{
    composer m("Hollowmere", 80, 3,
               "Am | F | C | G | Am | F | E | E | F | G | Em | Am | Dm | Am | F | E7");
    m.tune(m.voice("flute", 0, FLUTE, 100, 72, 60), 0,
           "A4/q C5/q E5/q | F5/h E5/q | E5/q. D5/e C5/q | D5/h. |"
           "A4/q C5/q E5/q | A5/h G5/q | E5/q D5/q B4/q | G#4/h. |"
           "A4/q C5/q F5/q | G5/q. F5/e E5/q | E5/q D5/q B4/q | C5/h. |"
           "D5/q F5/q A5/q | C6/q. B5/e A5/q | A5/q G5/q F5/q | E5/h. |",
           88, 0.95);
    m.arpeggio(m.voice("harp", 1, HARP, 96, 40, 70), 1, 3, PPQ / 2, {0, 2, 3, 4, 5, 3}, 62, 1.6);
    m.pad(m.voice("strings", 2, STRINGS, 80, 88, 80), 2, 4, 42);
    m.line(m.voice("contrabass", 3, CONTRABASS, 90, 64, 50), 3, 2, PPQ / 2, every("R....."), 70, 0.98);
    bool ok = m.write(dir + "/m1.mid");
    error = m.error;
    return ok;
}

// Exploring, and the victory: a walking tune in D major, oboe over guitar.
bool exploring(const std::string &dir, std::string &error)
{
    composer m("On the road", 104, 4,
               "D | G | D | A | Bm | G | A | D | G | A | F#m | Bm | G | D | Em A | D");
    m.tune(m.voice("oboe", 0, OBOE, 96, 70, 50), 0,
           "F#5/q A5/q A5/e G5/e F#5/q | G5/q B5/q A5/q G5/q | F#5/h D5/q E5/q | E5/h. A4/q |"
           "B4/q D5/q F#5/q D5/q | G5/q. F#5/e E5/q D5/q | C#5/q E5/q A5/q G5/q | F#5/h. r/q |"
           "B5/q. A5/e G5/q B5/q | A5/q. G5/e F#5/q E5/q | F#5/q A5/q C#6/q A5/q | B5/h. A5/q |"
           "G5/q F#5/q E5/q D5/q | F#5/q A5/q D6/h | E5/q G5/q C#5/q E5/q | D5/w |",
           86, 0.9);
    m.arpeggio(m.voice("guitar", 1, NYLON_GUITAR, 100, 50, 40), 1, 3, PPQ / 2, {0, 2, 3, 4, 5, 3, 4, 2}, 64,
               1.5);
    m.line(m.voice("bass", 2, ACOUSTIC_BASS, 96, 64, 30), 2, 2, PPQ / 2, every("R..5R.5."), 78, 0.9);
    m.pad(m.voice("strings", 3, STRINGS, 70, 84, 70), 3, 4, 36, 8, 15);
    track &drums = m.voice("percussion", DRUMS, 0, 80, 64, 40);
    m.drum(drums, SHAKER, 60, every("o.x.o.x.o.x.o.x."));
    m.drum(drums, KICK, 70, every("x.......x......."));
    m.drum(drums, TAMBOURINE, 50, every("....o.......o..."));
    bool ok = m.write(dir + "/m2.mid");
    error = m.error;
    return ok;
}

// The first battle: E minor at a run, brass over driving strings, timpani and drums.
bool battle_one(const std::string &dir, std::string &error)
{
    composer m("Steel in the reeds", 144, 4,
               "Em | Em | C | D | Em | Em | C | B | Am | Em | C | D | Am | B | Em | B7");
    m.tune(m.voice("brass", 0, BRASS, 104, 64, 50), 0,
           "E5/q. B4/e E5/q G5/q | F#5/q. E5/e D5/q B4/q | C5/q. E5/e G5/q E5/q | F#5/h A5/h |"
           "B5/q. A5/e G5/q E5/q | G5/q. F#5/e E5/q B4/q | C5/q E5/q G5/q C6/q | B5/w |"
           "A5/q. G5/e E5/q C5/q | B4/q. E5/e G5/h | G5/q. E5/e C5/q E5/q | A5/q. G5/e F#5/q D5/q |"
           "E5/q A5/q C6/q A5/q | D#6/h B5/h | G5/q. F#5/e E5/h | F#5/q A5/q D#5/q B4/q |",
           96, 0.9);
    m.arpeggio(m.voice("strings", 1, STRINGS, 92, 40, 60), 1, 4, PPQ / 2, {0, 0, 2, 0, 1, 0, 2, 1}, 72, 0.45);
    auto fills = [](int b) { return b % 8 == 7; };
    m.line(m.voice("timpani", 2, TIMPANI, 96, 88, 60), 2, 2, PPQ / 4,
           [&](int b) { return fills(b) ? std::string("R.R.R.R.RRRRRRRR") : std::string("R.......R...5..."); },
           84, 0.9);
    m.line(m.voice("bass", 3, FINGER_BASS, 100, 64, 20), 3, 1, PPQ / 2, every("RRrRRRrR"), 80, 0.8);
    track &drums = m.voice("drums", DRUMS, 0, 100, 64, 40);
    m.drum(drums, KICK, 100, every("x.....x.x......."));
    m.drum(drums, SNARE, 96, [&](int b) { return fills(b) ? "....x...x.x.xxxx" : "....x.......x..."; });
    m.drum(drums, CLOSED_HAT, 60, every("x.o.x.o.x.o.x.o."));
    m.drum(drums, CRASH, 90, [](int b) { return b % 8 == 0 ? "x..............." : "................"; });
    bool ok = m.write(dir + "/m3.mid");
    error = m.error;
    return ok;
}

// The second battle: D minor, darker, horns over tremolo strings, a choir rising
// in the second half, taiko and toms.
bool battle_two(const std::string &dir, std::string &error)
{
    composer m("The mere rises", 132, 4,
               "Dm | Bb | Gm | A | Dm | Bb | C | A | Gm | Dm | Bb | A | Gm | Bb | A | A7");
    m.tune(m.voice("horns", 0, FRENCH_HORN, 108, 60, 60), 0,
           "D5/q. E5/e F5/q A5/q | Bb5/h A5/q F5/q | G5/q. F5/e E5/q D5/q | C#5/h. E5/q |"
           "A5/q. G5/e F5/q D5/q | F5/q. G5/e D5/h | E5/q. F5/e G5/q C5/q | E5/w |"
           "Bb5/q. A5/e G5/q D5/q | F5/q. E5/e D5/h | D5/q F5/q Bb5/q D6/q | C#6/h. A5/q |"
           "G5/q Bb5/q D6/q Bb5/q | F5/q. G5/e A5/q Bb5/q | A5/q. G5/e F5/q E5/q | C#5/q E5/q G5/q E5/q |",
           98, 0.92);
    m.pad(m.voice("tremolo strings", 1, TREMOLO_STRINGS, 90, 44, 70), 1, 4, 58);
    m.pad(m.voice("choir", 2, CHOIR, 84, 84, 90), 2, 4, 52, 8, 15);
    m.line(m.voice("contrabass", 3, CONTRABASS, 100, 64, 30), 3, 2, PPQ / 2, every("RRRRRRrR"), 82, 0.6);
    m.line(m.voice("taiko", 4, TAIKO, 100, 70, 60), 4, 2, PPQ / 4, every("R.......R...R..."), 92, 1.0);
    auto fill = [](int b) { return b % 8 == 7; };
    track &drums = m.voice("drums", DRUMS, 0, 100, 64, 40);
    m.drum(drums, KICK, 100, every("x.....x...x....."));
    m.drum(drums, SNARE, 90, [&](int b) { return fill(b) ? "....x..........." : "....x.......x.x."; });
    m.drum(drums, HIGH_TOM, 90, [&](int b) { return fill(b) ? "........xx......" : "................"; });
    m.drum(drums, MID_TOM, 90, [&](int b) { return fill(b) ? "..........xx...." : "................"; });
    m.drum(drums, LOW_TOM, 96, [&](int b) { return fill(b) ? "............xxxx" : "................"; });
    bool ok = m.write(dir + "/m4.mid");
    error = m.error;
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: hm_music OUT_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    using piece_fn = bool (*)(const std::string &, std::string &);
    const struct {
        const char *file;
        piece_fn make;
    } pieces[] = {{"m1.mid", title}, {"m2.mid", exploring}, {"m3.mid", battle_one}, {"m4.mid", battle_two}};
    for (const auto &p : pieces) {
        std::string error;
        if (!p.make(dir, error)) {
            std::fprintf(stderr, "hm_music: %s: %s\n", p.file, error.empty() ? "not written" : error.c_str());
            return 1;
        }
    }
    return 0;
}
