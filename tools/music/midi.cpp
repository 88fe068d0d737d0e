// midi.cpp -- the MIDI file writer and the note and chord notation
#include "music/midi.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace music {

namespace {

void put_var(std::vector<uint8_t> &out, uint32_t v)
{
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = (uint8_t)(v & 0x7f);
        v >>= 7;
    } while (v);
    while (n-- > 0) out.push_back((uint8_t)(groups[n] | (n ? 0x80 : 0)));
}

void put_be(std::vector<uint8_t> &out, uint32_t v, int bytes)
{
    for (int i = bytes - 1; i >= 0; i--) out.push_back((uint8_t)(v >> (8 * i)));
}

int clamp7(int v) { return v < 0 ? 0 : v > 127 ? 127 : v; }

// Ticks of a length letter, with its dot.
int length_ticks(const std::string &len)
{
    if (len.empty()) return -1;
    int t;
    switch (len[0]) {
    case 'w': t = 4 * PPQ; break;
    case 'h': t = 2 * PPQ; break;
    case 'q': t = PPQ; break;
    case 'e': t = PPQ / 2; break;
    case 's': t = PPQ / 4; break;
    case 't': t = PPQ / 3; break;
    default: return -1;
    }
    if (len.size() == 2 && len[1] == '.') return t + t / 2;
    return len.size() == 1 ? t : -1;
}

}  // namespace

void track::program(uint32_t tick, int channel, int prog)
{
    events.push_back({tick, 1, {(uint8_t)(0xC0 | channel), (uint8_t)clamp7(prog)}});
}

void track::control(uint32_t tick, int channel, int controller, int value)
{
    events.push_back({tick, 1, {(uint8_t)(0xB0 | channel), (uint8_t)controller, (uint8_t)clamp7(value)}});
}

void track::note(uint32_t tick, uint32_t length, int channel, int k, int velocity)
{
    if (k < 0 || k > 127 || length == 0) return;
    events.push_back({tick, 2, {(uint8_t)(0x90 | channel), (uint8_t)k, (uint8_t)std::max(1, clamp7(velocity))}});
    events.push_back({tick + length, 0, {(uint8_t)(0x80 | channel), (uint8_t)k, 64}});
}

void track::tempo(uint32_t tick, int bpm)
{
    uint32_t us = 60000000u / (uint32_t)bpm;
    events.push_back({tick, 1, {0xFF, 0x51, 3, (uint8_t)(us >> 16), (uint8_t)(us >> 8), (uint8_t)us}});
}

void track::metre(uint32_t tick, int beats)
{
    events.push_back({tick, 1, {0xFF, 0x58, 4, (uint8_t)beats, 2, 24, 8}});
}

std::vector<uint8_t> smf(std::vector<track> tracks, uint32_t end_tick)
{
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd'};
    put_be(out, 6, 4);
    put_be(out, 1, 2);
    put_be(out, (uint32_t)tracks.size(), 2);
    put_be(out, PPQ, 2);
    for (track &t : tracks) {
        std::stable_sort(t.events.begin(), t.events.end(), [](const event &a, const event &b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> body;
        uint32_t now = 0;
        if (!t.name.empty()) {
            put_var(body, 0);
            body.insert(body.end(), {0xFF, 0x03});
            put_var(body, (uint32_t)t.name.size());
            body.insert(body.end(), t.name.begin(), t.name.end());
        }
        // A key struck again while it still sounds (a ringing arpeggio meeting
        // the next chord) is let go first; the late release of its first note
        // is then dropped, so that it cannot cut the second one short.
        int sounding[16][128] = {}, stale[16][128] = {};
        auto emit = [&](uint32_t tick, const std::vector<uint8_t> &bytes) {
            put_var(body, tick - now);
            now = tick;
            body.insert(body.end(), bytes.begin(), bytes.end());
        };
        for (const event &e : t.events) {
            // Nothing sounds past the end: the loop starts there.
            uint32_t tick = std::min(e.tick, end_tick);
            int kind = e.bytes[0] & 0xF0, ch = e.bytes[0] & 0x0F;
            if (kind == 0x90) {
                int k = e.bytes[1];
                if (sounding[ch][k]) {
                    emit(tick, {(uint8_t)(0x80 | ch), (uint8_t)k, 64});
                    stale[ch][k]++;
                }
                sounding[ch][k] = 1;
            } else if (kind == 0x80) {
                int k = e.bytes[1];
                if (stale[ch][k]) {
                    stale[ch][k]--;
                    continue;
                }
                sounding[ch][k] = 0;
            }
            emit(tick, e.bytes);
        }
        put_var(body, end_tick - now);
        body.insert(body.end(), {0xFF, 0x2F, 0x00});
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        put_be(out, (uint32_t)body.size(), 4);
        out.insert(out.end(), body.begin(), body.end());
    }
    return out;
}

bool read_file(const std::string &path, std::string &text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::stringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

bool write_file(const std::string &path, const std::vector<uint8_t> &bytes)
{
    std::string temp = path + ".tmp";
    FILE *f = std::fopen(temp.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    ok = std::fclose(f) == 0 && ok;
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

int key(const std::string &name)
{
    static const int steps[7] = {9, 11, 0, 2, 4, 5, 7};   // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') return -1;
    int k = steps[name[0] - 'A'];
    size_t i = 1;
    if (name[i] == '#') k++, i++;
    else if (name[i] == 'b') k--, i++;
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') return -1;
    return k + 12 * (name[i] - '0' + 1);
}

std::vector<int> chord(const std::string &symbol, int octave)
{
    size_t i = 1;
    if (symbol.size() > 1 && (symbol[1] == '#' || symbol[1] == 'b')) i = 2;
    int root = key(symbol.substr(0, i) + std::to_string(octave));
    if (root < 0) return {};
    std::string kind = symbol.substr(i);
    std::vector<int> steps;
    if (kind == "") steps = {0, 4, 7};
    else if (kind == "m") steps = {0, 3, 7};
    else if (kind == "7") steps = {0, 4, 7, 10};
    else if (kind == "m7") steps = {0, 3, 7, 10};
    else if (kind == "maj7") steps = {0, 4, 7, 11};
    else if (kind == "sus4") steps = {0, 5, 7};
    else if (kind == "dim") steps = {0, 3, 6};
    else return {};
    std::vector<int> keys;
    for (int s : steps) keys.push_back(root + s);
    return keys;
}

uint32_t melody(track &t, uint32_t at, int channel, const std::string &line, int velocity,
                double legato, uint32_t bar_ticks, std::string &error)
{
    std::string spaced;
    for (char c : line) spaced += c == '|' ? std::string(" | ") : std::string(1, c);
    std::istringstream in(spaced);
    for (std::string tok; in >> tok;) {
        if (tok == "|") {
            if (bar_ticks && at % bar_ticks) {
                error = "a bar of the tune is not full before '|' at tick " + std::to_string(at);
                return at;
            }
            continue;
        }
        size_t slash = tok.find('/');
        int len = slash == std::string::npos ? -1 : length_ticks(tok.substr(slash + 1));
        std::string pitch = tok.substr(0, slash);
        int k = pitch == "r" ? 0 : key(pitch);
        if (len < 0 || k < 0) {
            error = "cannot read the note '" + tok + "'";
            return at;
        }
        if (pitch != "r") {
            int accent = bar_ticks && at % bar_ticks == 0 ? 8 : 0;
            t.note(at, (uint32_t)std::max(1.0, len * legato), channel, k, velocity + accent);
        }
        at += (uint32_t)len;
    }
    return at;
}

}  // namespace music
