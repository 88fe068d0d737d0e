// midi.h -- standard MIDI files from notes, chords and patterns written as text
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace music {

constexpr int PPQ = 96;   // ticks per quarter note: halves, thirds and quarters of a beat
constexpr int DRUMS = 9;  // the General MIDI percussion channel

// One event of a track; at one tick, note-offs go before anything else.
struct event {
    uint32_t tick;
    int order;                    // 0 note-off, 1 set-up (program, controls), 2 note-on
    std::vector<uint8_t> bytes;   // the event without its delta time
};

struct track {
    std::string name;
    std::vector<event> events;

    void program(uint32_t tick, int channel, int program);
    void control(uint32_t tick, int channel, int controller, int value);
    void note(uint32_t tick, uint32_t length, int channel, int key, int velocity);
    void tempo(uint32_t tick, int bpm);
    void metre(uint32_t tick, int beats);   // beats of a quarter note per bar
};

// The whole file: format 1, every track ended at end_tick, so that a player
// that loops the piece comes round without a gap or an overlap.
std::vector<uint8_t> smf(std::vector<track> tracks, uint32_t end_tick);
bool write_file(const std::string &path, const std::vector<uint8_t> &bytes);
bool read_file(const std::string &path, std::string &text);   // false when it cannot be read

// -- notation ---------------------------------------------------------------------------
// A key: "C4" is 60, "A4" 69, "Bb3" 58, "F#5" 78; -1 when not understood.
int key(const std::string &name);

// A chord symbol: root, then "" major, "m" minor, "7", "m7", "maj7", "sus4" or
// "dim".  The tones as keys from the root at the given octave, the root first.
std::vector<int> chord(const std::string &symbol, int octave);

// A line of notes "E5/q. D5/e C5/h r/q": key or r (rest) and a length, w h q e s
// (whole to sixteenth) or t (a third of a beat), a dot adding half; "|" marks a
// bar line, where a bar must be full.  Played on
// the track from tick `at`, each note held for `legato` of its length, a note on
// the first beat of a bar (bar_ticks long) a little louder.  Returns the tick
// after the last note; an unreadable token stops with an error message.
uint32_t melody(track &t, uint32_t at, int channel, const std::string &line, int velocity,
                double legato, uint32_t bar_ticks, std::string &error);

}  // namespace music
