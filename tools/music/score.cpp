// score.cpp -- reading a score file and playing out its form into one line of chords and tune
#include "music/score.h"

#include <map>
#include <sstream>

namespace music {

namespace {

struct part_text {
    std::string chords, tune;
};

std::string trimmed(const std::string &t, const char *strip = " \t")
{
    size_t a = t.find_first_not_of(strip), b = t.find_last_not_of(strip);
    return a == std::string::npos ? std::string() : t.substr(a, b - a + 1);
}

int bars_in(const std::string &line)
{
    int bars = 0;
    bool any = false;
    for (char c : line) {
        if (c == '|') bars += any, any = false;
        else if (c != ' ' && c != '\t') any = true;
    }
    return bars + any;
}

// "A | B |" and "C" joined as "A | B | C": lines of a part go on one another.
void go_on(std::string &whole, const std::string &more)
{
    size_t end = whole.find_last_not_of(" \t");
    if (end != std::string::npos && whole[end] != '|') whole += " |";
    whole += (whole.empty() ? "" : " ") + trimmed(more);
}

}  // namespace

score read_score(const std::string &text, std::string &error)
{
    score s;
    std::map<char, part_text> parts;
    std::string form;
    char current = 0;
    std::string last;   // chords or tune: an indented line that starts with no word of its own goes on it
    std::istringstream in(text);
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        number++;
        // A comment starts at a '#' that begins a word: G#4 is a note.
        for (size_t h = line.find('#'); h != std::string::npos; h = line.find('#', h + 1))
            if (h == 0 || line[h - 1] == ' ' || line[h - 1] == '\t') {
                line.erase(h);
                break;
            }
        std::istringstream words(line);
        std::string word, rest;
        if (!(words >> word)) continue;
        std::getline(words, rest);
        if (!last.empty() && (line[0] == ' ' || line[0] == '\t')) {
            rest = word + rest;
            word = last;
        }
        last.clear();
        auto fault = [&](const std::string &what) {
            error = "line " + std::to_string(number) + ": " + what;
            return score();
        };
        if (word == "title") {
            s.title = trimmed(rest);
        } else if (word == "tempo") {
            std::istringstream(rest) >> s.bpm >> s.beats;
            if (s.bpm < 20 || s.bpm > 300 || s.beats < 1 || s.beats > 12) return fault("tempo BPM BEATS");
        } else if (word == "part") {
            std::string name;
            std::istringstream(rest) >> name;
            if (name.size() != 1) return fault("a part is named by one letter");
            current = name[0];
            parts[current];
        } else if (word == "chords" || word == "tune") {
            if (!current) return fault(word + " before any part");
            go_on(word == "chords" ? parts[current].chords : parts[current].tune, rest);
            last = word;
        } else if (word == "form") {
            form = rest;
        } else {
            return fault("unknown word " + word);
        }
    }
    if (s.bpm == 0) {
        error = "no tempo";
        return score();
    }
    std::istringstream order(form);
    for (std::string name; order >> name;) {
        auto p = parts.find(name.size() == 1 ? name[0] : 0);
        if (p == parts.end()) {
            error = "the form plays a part that is not written: " + name;
            return score();
        }
        int bars = bars_in(p->second.chords);
        if (bars == 0 || bars_in(p->second.tune) != bars) {
            error = std::string("part ") + p->first + ": its tune and its chords differ in bars";
            return score();
        }
        int section = s.section.empty() ? 0 : s.section.back() + 1;
        for (int b = 0; b < bars; b++) s.section.push_back(section), s.part.push_back(p->first);
        go_on(s.chords, p->second.chords);
        go_on(s.tune, p->second.tune);
    }
    if (s.section.empty()) error = "the form plays nothing";
    s.chords = trimmed(s.chords, " \t|");
    return s;
}

}  // namespace music
