// score.h -- a piece's written score: its tempo, its parts of chords and tune, and their order
#pragma once

#include <string>
#include <vector>

namespace music {

// A score file, line by line (a word starting with '#' starts a comment):
//   title NAME...          the piece's name
//   tempo BPM BEATS        quarter notes a minute, and in a bar
//   part LETTER            the lines after it belong to that part
//   chords Am | F | ...    one bar a chord symbol (see chord()), more lines go on
//   tune A4/q C5/q | ...   the tune over them (see melody()), more lines go on;
//                          an indented line goes on the chords or tune above it
//   form A B A             the parts in the order played; the loop comes round
//                          from the last to the first
struct score {
    std::string title;
    int bpm = 0, beats = 0;
    std::string chords, tune;        // the whole piece, the form played out
    std::vector<int> section;        // for each bar, its place in the form (0 the first part played)
    std::vector<char> part;          // for each bar, the letter of its part
};

// Reads a score; on a fault, `error` says what and where, and the score is empty.
score read_score(const std::string &text, std::string &error);

}  // namespace music
