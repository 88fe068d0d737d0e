// script.cpp -- the play-script interpreter behind hollowmere-headless
#include "runner/script.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "flow/flow.h"
#include "items/items.h"
#include "party/party.h"
#include "platform/headless.h"
#include "runner/frame_timing.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

enum OpKind {
    OP_KEY, OP_BUTTON, OP_MOVE, OP_FRAMES, OP_SHOT, OP_SAVE, OP_EXPECT, OP_UNTIL, OP_SEED, OP_LEVEL,
    OP_GIVE, OP_JOIN, OP_EXP, OP_POINT_CELL, OP_POINT_CRT, OP_POINT_LS, OP_POINT_BUTTON, OP_PRINT, OP_SETTLE,
    OP_WHILE, OP_END, OP_SET, OP_MUSIC, OP_MEASURE, OP_POINT_ANSWER, OP_FIGHT
};

// What an expectation reads: a slot of j or f, or a field of a creature record.
enum Source { SRC_J, SRC_F, SRC_CRT, SRC_MEMBER, SRC_STACK, SRC_CELL, SRC_EVENT, SRC_NPC };

// What `expect cell C R WHAT` reads of a map cell: a layer, or what stands there.
const char *const cell_fields[] = {"gr", "gr2", "ls", "rf", "gr_lt", "ls_lt", "rf_lt", "grsc", "chest", "spawner"};
constexpr int CELL_FIELDS = sizeof cell_fields / sizeof cell_fields[0];

struct Op {
    OpKind kind;
    int a = 0, b = 0;          // key or button and down; x and y; frame count; slot; level
    int c = 0;                 // level: the entry cell's row (a is the level, b its column); until: frames at most
    int d = 0;                 // expect member: the skill entry of skillN
    Source source = SRC_J;     // expect, until and while: what they read (a the slot, or b the creature)
    size_t jump = 0;           // while: its end; end: its while
    std::string cmp, path;     // expect's operator; file of shot and save; expect music: the pieces allowed
    double value = 0;          // expect's value
    std::string where;         // "file:line: text" for messages
};

struct KeyName {
    const char *name;
    int code;
};

const KeyName named_keys[] = {
    {"ESC", K_ESC}, {"ENTER", K_ENTER}, {"SPACE", K_SPACE}, {"TAB", K_TAB},
    {"BACKSPACE", K_BACKSPACE}, {"DEL", K_DEL}, {"INSERT", K_INSERT},
    {"HOME", K_HOME}, {"END", K_END}, {"PGUP", K_PGUP}, {"PGDN", K_PGDN},
    {"LEFT", K_LEFT}, {"RIGHT", K_RIGHT}, {"UP", K_UP}, {"DOWN", K_DOWN},
    {"MINUS", K_MINUS}, {"EQUALS", K_EQUALS}, {"TILDE", K_TILDE},
    {"OPENBRACE", K_OPENBRACE}, {"CLOSEBRACE", K_CLOSEBRACE}, {"COLON", K_COLON},
    {"QUOTE", K_QUOTE}, {"BACKSLASH", K_BACKSLASH}, {"COMMA", K_COMMA},
    {"STOP", K_STOP}, {"SLASH", K_SLASH}, {"LSHIFT", K_LSHIFT},
    {"RSHIFT", K_RSHIFT}, {"LCONTROL", K_LCONTROL}, {"RCONTROL", K_RCONTROL},
    {"ALT", K_ALT}, {"ENTER_PAD", K_ENTER_PAD}, {"MINUS_PAD", K_MINUS_PAD},
    {"PLUS_PAD", K_PLUS_PAD},
};

std::vector<Op> ops;
std::vector<size_t> open_loops;   // while lines still waiting for their end
std::vector<int> loop_began;      // per op: frame a running while began, -1 not running
size_t pc;
int wait_frames;
int frames_seen;
int limit;
int start_seed;
bool reseed;
int failures;
int checked;
int until_waited;   // frames the current until has waited
int settle_waited;  // frames the current settle has waited
int quiet_frames;   // frames running in which nothing was busy
constexpr int SETTLE_FRAMES = 5, SETTLE_LIMIT = 2000;

bool fail_parse(const std::string &where, const char *why)
{
    std::fprintf(stderr, "%s -- %s\n", where.c_str(), why);
    return false;
}

std::string join_path(const std::string &base, const std::string &p)
{
    if (p.empty() || p[0] == '/' || base.empty()) return p;
    return base + "/" + p;
}

bool to_int(const std::string &w, int &out)
{
    char *end = nullptr;
    long v = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end) return false;
    out = (int)v;
    return true;
}

// The keys and shift state that type a character; false for characters no key gives.
bool key_for_char(char c, int &code, bool &shift)
{
    shift = false;
    if (c >= 'a' && c <= 'z') code = K_A + (c - 'a');
    else if (c >= 'A' && c <= 'Z') { code = K_A + (c - 'A'); shift = true; }
    else if (c >= '0' && c <= '9') code = K_0 + (c - '0');
    else if (c == ' ') code = K_SPACE;
    else if (c == '-') code = K_MINUS;
    else if (c == '.') code = K_STOP;
    else return false;
    return true;
}

// Creature fields an expectation may read.
const char *const crt_fields[] = {"in_use", "shown", "hp", "side", "x", "y", "cell", "ready", "type", "target", "mana", "level"};
constexpr int CRT_FIELDS = sizeof crt_fields / sizeof crt_fields[0];

// Party member fields an expectation may read: level, points, a skill's level
// (skill0 .. skill49, by entry) and the base attributes.
const char *const member_fields[] = {"level", "skill_points", "attr_points", "a0", "a1", "a2", "a3", "a4", "skill"};
constexpr int MEMBER_FIELDS = sizeof member_fields / sizeof member_fields[0];

int member_field(const p1cr_rec &p, int field, int entry)
{
    if (field == MEMBER_FIELDS - 1) return p.skills[entry].sk_level;
    const int values[MEMBER_FIELDS - 1] = {p.level, p.skill_points, p.attr_points, p.attr[0], p.attr[2], p.attr[4], p.attr[6], p.attr[8]};
    return values[field];
}

// NPC fields an expectation may read; answerN is the state of its speech entry N.
const char *const npc_fields[] = {"lev", "x", "y", "dead", "fade", "attitude", "crt", "answer"};
constexpr int NPC_FIELDS = sizeof npc_fields / sizeof npc_fields[0];

int npc_field(const npc_rec &p, int field, int entry)
{
    const int values[NPC_FIELDS] = {p.lev, p.x, p.y, p.dead, p.fade, p.attitude, p.crt, p.answer_state[entry]};
    return values[field];
}

int crt_field(const crt_rec &k, int field)
{
    const int values[CRT_FIELDS] = {k.in_use, k.shown, k.hp, k.side, k.x, k.y, k.x + MAP_W * k.y, k.ready, k.type, k.strike_target,
                                     k.mana, k.level};
    return values[field];
}

Op make(OpKind kind, const std::string &where, int a = 0, int b = 0)
{
    Op op;
    op.kind = kind;
    op.a = a;
    op.b = b;
    op.where = where;
    return op;
}

bool parse_line(const std::string &line, const std::string &where, const std::string &base)
{
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string s; in >> s;) w.push_back(s);
    if (w.empty()) return true;
    const std::string &cmd = w[0];
    int n = 0, x = 0, y = 0;
    if (cmd == "frames") {
        if (w.size() != 2 || !to_int(w[1], n) || n < 0) return fail_parse(where, "frames N");
        if (n > 0) ops.push_back(make(OP_FRAMES, where, n));
    } else if (cmd == "key") {
        int code = w.size() == 3 ? key_by_name(w[1]) : -1;
        if (code < 0) return fail_parse(where, "key NAME down|up|tap, with a known key name");
        if (w[2] == "down" || w[2] == "up") {
            ops.push_back(make(OP_KEY, where, code, w[2] == "down"));
        } else if (w[2] == "tap") {
            ops.push_back(make(OP_KEY, where, code, 1));
            ops.push_back(make(OP_FRAMES, where, 1));
            ops.push_back(make(OP_KEY, where, code, 0));
        } else {
            return fail_parse(where, "key NAME down|up|tap");
        }
    } else if (cmd == "type") {
        size_t at = line.find("type") + 4;
        if (at < line.size() && line[at] == ' ') at++;
        for (char c : line.substr(at)) {
            int code;
            bool shift;
            if (!key_for_char(c, code, shift)) return fail_parse(where, "type: a character no key gives");
            if (shift) ops.push_back(make(OP_KEY, where, K_LSHIFT, 1));
            ops.push_back(make(OP_KEY, where, code, 1));
            ops.push_back(make(OP_FRAMES, where, 1));
            ops.push_back(make(OP_KEY, where, code, 0));
            if (shift) ops.push_back(make(OP_KEY, where, K_LSHIFT, 0));
            ops.push_back(make(OP_FRAMES, where, 1));
        }
    } else if (cmd == "move") {
        if (w.size() != 3 || !to_int(w[1], x) || !to_int(w[2], y)) return fail_parse(where, "move X Y");
        ops.push_back(make(OP_MOVE, where, x, y));
        ops.push_back(make(OP_FRAMES, where, 1));
    } else if (cmd == "press" || cmd == "release" || cmd == "click") {
        if (w.size() < 2 || (w[1] != "left" && w[1] != "right"))
            return fail_parse(where, "press|release|click left|right");
        int button = w[1] == "left" ? 0 : 1;
        if (cmd != "click") {
            if (w.size() != 2) return fail_parse(where, "press|release left|right");
            ops.push_back(make(OP_BUTTON, where, button, cmd == "press"));
        } else {
            // Without a place the click falls where the pointer is.
            if (w.size() == 4 && to_int(w[2], x) && to_int(w[3], y)) {
                ops.push_back(make(OP_MOVE, where, x, y));
                ops.push_back(make(OP_FRAMES, where, 1));
            } else if (w.size() != 2) {
                return fail_parse(where, "click left|right [X Y]");
            }
            ops.push_back(make(OP_BUTTON, where, button, 1));
            ops.push_back(make(OP_FRAMES, where, 1));
            ops.push_back(make(OP_BUTTON, where, button, 0));
            ops.push_back(make(OP_FRAMES, where, 1));
        }
    } else if (cmd == "measure") {
        // measure NAME times the frames from here on as a scenario; measure end stops.
        if (w.size() != 2) return fail_parse(where, "measure NAME|end");
        Op op = make(OP_MEASURE, where);
        op.path = w[1] == "end" ? std::string() : w[1];
        ops.push_back(op);
    } else if (cmd == "shot" || cmd == "save") {
        if (w.size() != 2) return fail_parse(where, "shot|save FILE");
        Op op = make(cmd == "shot" ? OP_SHOT : OP_SAVE, where);
        op.path = join_path(base, w[1]);
        ops.push_back(op);
    } else if (cmd == "expect" && w.size() >= 2 && w[1] == "music") {
        // expect music FILE...: the piece playing is one of these ("none" for silence).
        if (w.size() < 3) return fail_parse(where, "expect music FILE...");
        Op op = make(OP_MUSIC, where);
        op.path = " ";   // " m3.mid m4.mid ": each name between spaces, none an empty one
        for (size_t i = 2; i < w.size(); i++) op.path += (w[i] == "none" ? std::string() : w[i]) + " ";
        ops.push_back(op);
    } else if ((cmd == "expect" || cmd == "until") && w.size() >= 4 && w[1] == "event" &&
               (w[3] == "fired" || w[3] == "unfired")) {
        // expect event K fired|unfired; until event K fired FRAMES.
        bool until = cmd == "until";
        if (!to_int(w[2], n) || n < 0 || n >= EVENT_COUNT || w.size() != (until ? 5u : 4u))
            return fail_parse(where, "expect event K fired|unfired | until event K fired|unfired FRAMES");
        Op op = make(until ? OP_UNTIL : OP_EXPECT, where, 0, n);
        op.source = SRC_EVENT;
        op.cmp = w[3] == "fired" ? "!=" : "==";
        if (until && (!to_int(w[4], op.c) || op.c < 1)) return fail_parse(where, "FRAMES is 1 or more");
        ops.push_back(op);
    } else if (cmd == "expect" || cmd == "until" || cmd == "while") {
        // expect j|f SLOT OP VALUE, expect crt N FIELD OP VALUE; until takes the
        // same condition and the most frames to wait for it; while repeats the
        // lines up to its end as long as the condition holds, for at most that
        // many frames.
        bool until = cmd != "expect";
        // expect stack N count: the live items listed in item stack N.
        bool record = w.size() > 1 && (w[1] == "crt" || w[1] == "member" || w[1] == "stack" || w[1] == "npc");
        // expect cell C R WHAT: a layer of the cell, or its chests or armed spawners.
        bool cell = w.size() > 1 && w[1] == "cell";
        size_t at = cell ? 4 : record ? 3 : 2;   // where the slot or field name stands
        if (w.size() != at + 3 + (until ? 1 : 0) || (w[1] != "j" && w[1] != "f" && !record && !cell))
            return fail_parse(where, until ? "until|while j|f NAME OP VALUE FRAMES | until|while crt N FIELD OP VALUE FRAMES"
                                           : "expect j|f NAME OP VALUE | expect crt N FIELD OP VALUE");
        Op op = make(cmd == "until" ? OP_UNTIL : cmd == "while" ? OP_WHILE : OP_EXPECT, where);
        op.source = w[1] == "j"       ? SRC_J
                    : w[1] == "f"     ? SRC_F
                    : w[1] == "crt"   ? SRC_CRT
                    : w[1] == "stack" ? SRC_STACK
                    : w[1] == "npc"   ? SRC_NPC
                    : cell            ? SRC_CELL
                                      : SRC_MEMBER;
        if (op.source == SRC_CELL) {
            if (!to_int(w[2], x) || !to_int(w[3], y) || !cell_ok(x, y)) return fail_parse(where, "cell: a column and a row 0..99");
            op.b = x + MAP_W * y;
            op.a = -1;
            for (int i = 0; i < CELL_FIELDS; i++)
                if (w[at] == cell_fields[i]) op.a = i;
            if (op.a < 0) return fail_parse(where, "cell: WHAT is gr, gr2, ls, rf, gr_lt, ls_lt, rf_lt, grsc, chest or spawner");
        } else if (op.source == SRC_STACK) {
            if (!to_int(w[2], op.b) || op.b < 0 || op.b >= ISTK_COUNT || w[at] != "count")
                return fail_parse(where, "stack: a stack 0..9 and count");
        } else if (op.source == SRC_NPC) {
            if (!to_int(w[2], op.b) || op.b < 0 || op.b >= NPC_COUNT) return fail_parse(where, "npc: an NPC 0..399");
            op.a = -1;
            for (int i = 0; i < NPC_FIELDS - 1; i++)
                if (w[at] == npc_fields[i]) op.a = i;
            int entry = -1;
            if (w[at].rfind("answer", 0) == 0 && to_int(w[at].substr(6), entry) && entry >= 0 && entry < SPCH_ENTRIES) {
                op.a = NPC_FIELDS - 1;
                op.d = entry;
            }
            if (op.a < 0) return fail_parse(where, "npc: FIELD is lev, x, y, dead, fade, attitude, crt or answerN");
        } else if (op.source == SRC_MEMBER) {
            if (!to_int(w[2], op.b) || op.b < 0 || op.b >= PARTY_SIZE) return fail_parse(where, "member: a member 0..7");
            op.a = -1;
            for (int i = 0; i < MEMBER_FIELDS - 1; i++)
                if (w[at] == member_fields[i]) op.a = i;
            int entry = -1;
            if (w[at].rfind("skill", 0) == 0 && w[at] != "skill_points" && to_int(w[at].substr(5), entry) &&
                entry >= 0 && entry < SKILL_ENTRIES) {
                op.a = MEMBER_FIELDS - 1;
                op.d = entry;
            }
            if (op.a < 0) return fail_parse(where, "member: FIELD is level, skill_points, attr_points, a0..a4 or skillN");
        } else if (op.source == SRC_CRT) {
            if (!to_int(w[2], op.b) || op.b < 0 || op.b >= CRT_COUNT) return fail_parse(where, "crt: a creature 0..99");
            op.a = -1;
            for (int i = 0; i < CRT_FIELDS; i++)
                if (w[at] == crt_fields[i]) op.a = i;
            if (op.a < 0) return fail_parse(where, "crt: FIELD is in_use, shown, hp, side, x, y, cell, ready, type or target");
        } else {
            op.a = op.source == SRC_F ? f_slot_by_name(w[at].c_str()) : j_slot_by_name(w[at].c_str());
            if (op.a < 0) return fail_parse(where, "unknown slot");
        }
        op.cmp = w[at + 1];
        if (op.cmp != "==" && op.cmp != "!=" && op.cmp != "<" && op.cmp != ">" && op.cmp != "<=" &&
            op.cmp != ">=")
            return fail_parse(where, "OP is one of == != < > <= >=");
        char *end = nullptr;
        op.value = std::strtod(w[at + 2].c_str(), &end);
        if (*end) return fail_parse(where, "VALUE is a number");
        if (until && (!to_int(w[at + 3], op.c) || op.c < 1)) return fail_parse(where, "FRAMES is 1 or more");
        if (op.kind == OP_WHILE) open_loops.push_back(ops.size());
        ops.push_back(op);
    } else if (cmd == "end") {
        if (w.size() != 1 || open_loops.empty()) return fail_parse(where, "end closes a while");
        Op op = make(OP_END, where);
        op.jump = open_loops.back();
        open_loops.pop_back();
        ops[op.jump].jump = ops.size();
        ops.push_back(op);
    } else if (cmd == "point") {
        // point C R: the pointer onto a map cell as the view shows it now;
        // point crt N: onto a part of creature N that picks it;
        // point ls C R: onto a pixel of the object on cell (C, R) that picks it.
        if (w.size() == 3 && w[1] == "crt" && to_int(w[2], n)) {
            ops.push_back(make(OP_POINT_CRT, where, n));
        } else if (w.size() == 4 && w[1] == "ls" && to_int(w[2], x) && to_int(w[3], y)) {
            ops.push_back(make(OP_POINT_LS, where, x, y));
        } else if (w.size() == 3 && w[1] == "answer" && to_int(w[2], n)) {
            ops.push_back(make(OP_POINT_ANSWER, where, n));
        } else if (w.size() == 2 && w[1] == "button") {
            ops.push_back(make(OP_POINT_BUTTON, where));
        } else if (w.size() == 3 && to_int(w[1], x) && to_int(w[2], y)) {
            ops.push_back(make(OP_POINT_CELL, where, x, y));
        } else {
            return fail_parse(where, "point COLUMN ROW | point crt N | point ls COLUMN ROW | point button | point answer N");
        }
        ops.push_back(make(OP_FRAMES, where, 1));
    } else if (cmd == "fight") {
        // fight FRAMES: plays the party's side of the battle under way as a player
        // would, until it ends, for at most FRAMES frames.
        if (w.size() != 2 || !to_int(w[1], n) || n < 1) return fail_parse(where, "fight FRAMES");
        ops.push_back(make(OP_FIGHT, where, n));
    } else if (cmd == "settle") {
        // settle: wait until nothing has walked, struck, died or flown for a few
        // frames running, so that the next click is taken and the view is still.
        if (w.size() != 1) return fail_parse(where, "settle");
        ops.push_back(make(OP_SETTLE, where));
    } else if (cmd == "print") {
        if (w.size() != 2 || (w[1] != "creatures" && w[1] != "events")) return fail_parse(where, "print creatures|events");
        ops.push_back(make(OP_PRINT, where, w[1] == "events"));
    } else if (cmd == "level") {
        int c = 0;
        if (w.size() != 4 || !to_int(w[1], n) || !to_int(w[2], x) || !to_int(w[3], c))
            return fail_parse(where, "level N COLUMN ROW");
        Op op = make(OP_LEVEL, where, n, x);
        op.c = c;
        ops.push_back(op);
        ops.push_back(make(OP_FRAMES, where, 1));
    } else if (cmd == "give" || cmd == "join") {
        if (w.size() != 2 || !to_int(w[1], n)) return fail_parse(where, "give TYPE | join CHARACTER");
        ops.push_back(make(cmd == "give" ? OP_GIVE : OP_JOIN, where, n));
    } else if (cmd == "exp") {
        if (w.size() != 3 || !to_int(w[1], n) || !to_int(w[2], x)) return fail_parse(where, "exp MEMBER AMOUNT");
        ops.push_back(make(OP_EXP, where, n, x));
    } else if (cmd == "set") {
        // set j NAME VALUE: a slot as a save file could hold it (the hour, a flag).
        if (w.size() != 4 || w[1] != "j" || !to_int(w[3], n)) return fail_parse(where, "set j NAME VALUE");
        Op op = make(OP_SET, where, j_slot_by_name(w[2].c_str()), n);
        if (op.a < 0) return fail_parse(where, "unknown slot");
        ops.push_back(op);
    } else if (cmd == "seed") {
        if (w.size() != 2 || !to_int(w[1], n)) return fail_parse(where, "seed N");
        ops.push_back(make(OP_SEED, where, n));
    } else {
        return fail_parse(where, "unknown command");
    }
    return true;
}

bool compare(double actual, const std::string &cmp, double want)
{
    if (cmp == "==") return actual == want;
    if (cmp == "!=") return actual != want;
    if (cmp == "<") return actual < want;
    if (cmp == ">") return actual > want;
    if (cmp == "<=") return actual <= want;
    return actual >= want;
}

// Layer `field` of cell c, or the live chests of the level or armed spawners on it.
double cell_field(int c, int field)
{
    int n = 0;
    switch (field) {
    case 0: return gr[c];
    case 1: return gr2[c];
    case 2: return ls[c];
    case 3: return rf[c];
    case 4: return gr_lt[c];
    case 5: return ls_lt[c];
    case 6: return rf_lt[c];
    case 7: return grsc[c];
    case 8:
        for (int i = 0; i < CHEST_COUNT; i++)
            n += chest[i].in_use && chest_of_level(chest[i].chest_id, j[level_no]) && chest[i].x + MAP_W * chest[i].y == c;
        return n;
    default:
        for (int k = 0; k < SPAWNER_COUNT; k++)
            n += crt_spawner[k].active && crt_spawner[k].x + MAP_W * crt_spawner[k].y == c;
        return n;
    }
}

double value_of(const Op &op)
{
    if (op.source == SRC_CELL) return cell_field(op.b, op.a);
    if (op.source == SRC_F) return f[op.a];
    if (op.source == SRC_CRT) return crt_field(CRT[op.b], op.a);
    if (op.source == SRC_MEMBER) return member_field(p1cr[op.b], op.a, op.d);
    if (op.source == SRC_NPC) return npc_field(npc[op.b], op.a, op.d);
    if (op.source == SRC_EVENT) return event_fired(op.b);
    if (op.source == SRC_STACK) {
        int n = 0;
        for (int e : ISTK[op.b].item) n += e >= 0 && e < ITEM_COUNT && ITEM[e].in_use == ITEM_LIVE;
        return n;
    }
    return j[op.a];
}

// The screen point in the middle of cell (c, r) as the view shows it now; false
// when the cell is not in the view.
bool cell_on_screen(int c, int r, int &sx, int &sy)
{
    int vy = view_y(r) + 10, vx = view_x(c, r) + 30;
    if (vx < 2 || vy < 2 || vx > VIEW_W - 3 || vy > VIEW_H - 3) return false;
    if (get_square(vx, vy) != c + MAP_W * r) return false;
    sx = vx + VIEW_X;
    sy = vy + VIEW_Y;
    return true;
}

// The screen point in the view nearest (ax, ay) where the pointer would pick
// what `picks` looks for; false when no point within 48 pixels does.
template <typename Picks>
bool pointer_search(int ax, int ay, Picks picks, int &sx, int &sy)
{
    int keep_x = j[mouse_x], keep_y = j[mouse_y];
    bool found = false;
    for (int ring = 0; ring < 48 && !found; ring++)
        for (int dy = -ring; dy <= ring && !found; dy++)
            for (int dx = -ring; dx <= ring && !found; dx++) {
                if (std::abs(dx) != ring && std::abs(dy) != ring) continue;
                int x = ax + dx, y = ay + dy;
                if (x < VIEW_X + 2 || y < VIEW_Y + 2 || x > VIEW_X + VIEW_W - 3 || y > VIEW_Y + VIEW_H - 3) continue;
                j[mouse_x] = x;
                j[mouse_y] = y;
                if (picks()) {
                    sx = x;
                    sy = y;
                    found = true;
                }
            }
    j[mouse_x] = keep_x;
    j[mouse_y] = keep_y;
    return found;
}

// A screen point in the view where the pointer picks creature c, nearest the
// middle of its body; false when no point does.
bool creature_on_screen(int c, int &sx, int &sy)
{
    if (c < 0 || c >= CRT_COUNT || !CRT[c].in_use || !CRT[c].shown) return false;
    const crt_rec &k = CRT[c];
    int ax = view_x(k.x, k.y) + 50 + k.draw_dx;
    int ay = view_y(k.y) + 34 + k.draw_dy - 16;
    return pointer_search(ax, ay, [c] { return sellect_crt() == c; }, sx, sy);
}

// A screen point on the object of cell (c, r) where the pointer picks it,
// nearest the middle of the cell's object place.
bool object_on_screen(int c, int r, int &sx, int &sy)
{
    if (!cell_ok(c, r)) return false;
    int cell = c + MAP_W * r;
    return pointer_search(view_x(c, r) + VIEW_X + 30, view_y(r), [cell] { return select_ls() == cell; }, sx, sy);
}

// Nothing walks, strikes, dies or flies, in battle or out of it.
bool all_still()
{
    if (j[crt_busy] != 0) return false;
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        if (k.in_use && (k.path_step >= 0 || k.strike_target != -1 || k.dying > 0)) return false;
    }
    return true;
}

void print_creatures()
{
    // Where the view looks: the cells at its four corners.
    const int corner[4][2] = {{2, 2}, {VIEW_W - 3, 2}, {2, VIEW_H - 3}, {VIEW_W - 3, VIEW_H - 3}};
    std::fprintf(stderr, "  view corners:");
    for (const auto &p : corner) {
        int cell = get_square(p[0], p[1]);
        std::fprintf(stderr, " (%d,%d)", cell < 0 ? -1 : cell % MAP_W, cell < 0 ? -1 : cell / MAP_W);
    }
    std::fprintf(stderr, "\n  crt type side  col row    hp/max  ready init shown speed kind target  mana/max\n");
    for (int c = 0; c < CRT_COUNT; c++) {
        const crt_rec &k = CRT[c];
        if (!k.in_use) continue;
        std::fprintf(stderr, "  %3d %4d %4d  %3d %3d %5d/%-5d %3d %5d %3d %5d %4d %6d %5d/%-5d\n", c, k.type, k.side, k.x,
                     k.y, k.hp, k.max_hp, k.ready, k.initiative, k.shown, k.speed, k.attack_kind, k.strike_target, k.mana,
                     k.max_mana);
    }
}

// -- fight: the party's turns played by clicks ------------------------------------------------
int fight_frames;     // frames the current fight has run
int fight_step;       // 0 waiting for a turn, 1 foe clicked, 2 cell clicked
int fight_turn_crt;   // whose turn the clicks were for
int fight_tries;      // frames the same turn has waited
bool fight_pressed;   // a button or key went down last frame: this one lets it go

int nearest_foe(int c)
{
    int best = -1;
    long best_d = 0;
    for (int o = 0; o < CRT_COUNT; o++) {
        const crt_rec &k = CRT[o];
        if (!k.in_use || k.side != 2 || k.dying > 0 || k.hp <= 0) continue;
        long dx = k.x - CRT[c].x, dy = k.y - CRT[c].y, d = dx * dx + dy * dy;
        if (best < 0 || d < best_d) best = o, best_d = d;
    }
    return best;
}

// A free cell beside foe f to strike from, nearest c.
bool strike_cell(int c, int f, int &sx, int &sy)
{
    int best = -1, bx = 0, by = 0;
    for (int dy = -1; dy <= 1; dy++)
        for (int dx = -1; dx <= 1; dx++) {
            int x = CRT[f].x + dx, y = CRT[f].y + dy;
            if ((dx == 0 && dy == 0) || !cell_ok(x, y)) continue;
            bool own = x == CRT[c].x && y == CRT[c].y;
            int d = (x - CRT[c].x) * (x - CRT[c].x) + (y - CRT[c].y) * (y - CRT[c].y);
            if (!own && (us[x + MAP_W * y] != -1 || grsc[x + MAP_W * y] == BLOCKED)) continue;
            if (best < 0 || d < best) best = d, bx = x, by = y;
        }
    return best >= 0 && cell_on_screen(bx, by, sx, sy);
}

// The pointer goes to (x, y) first; the button goes down a frame later, once
// the game has seen what lies under it.
void click_at(int x, int y)
{
    if (x != mx || y != my) {
        hl_add_mickeys(x - mx, y - my);
        return;
    }
    hl_set_button(0, true);
    fight_pressed = true;
}

// One frame of a fight; false when it is over.
bool fight_frame(const Op &op)
{
    hl_set_button(0, false);
    hl_set_key(K_ENTER, false);
    hl_set_key(K_S, false);
    if (fight_pressed) {
        fight_pressed = false;
        return true;
    }
    if (j[battle_stage] == 0 && j[battle_on] == 0) return false;
    if (++fight_frames > op.a) {
        failures++;
        std::fprintf(stderr, "%s -- the battle still runs after %d frames\n", op.where.c_str(), op.a);
        return false;
    }
    int x = 0, y = 0;
    if (j[mes_showing] && (speech_button_at(j[frame_count] - 1, &x, &y) || speech_button_at(j[frame_count], &x, &y))) {
        click_at(x + VIEW_X, y + VIEW_Y);
        return true;
    }
    if (j[battle_stage] == 3) {
        hl_set_key(K_ENTER, true);
        fight_pressed = true;
        return true;
    }
    int c = j[cur_crt];
    if (j[battle_stage] < 4 || c < 0 || c >= CRT_COUNT || CRT[c].side != 1 || !all_still()) return true;
    if (c != fight_turn_crt) fight_step = 0, fight_tries = 0, fight_turn_crt = c;
    if (++fight_tries > 60) {
        // Nothing came of the clicks: the turn is given up, S once for the foe
        // chosen and once more for the turn.
        hl_set_key(K_S, true);
        fight_pressed = true;
        if (j[strike_crt] == -1) fight_tries = 0;
        return true;
    }
    int f = nearest_foe(c);
    if (f < 0) return true;
    if (j[strike_crt] == f && strike_cell(c, f, x, y)) {
        click_at(x, y);
        return true;
    }
    if (j[strike_crt] == -1 && fight_tries % 10 < 3 && creature_on_screen(f, x, y)) click_at(x, y);
    return true;
}

void print_events()
{
    std::fprintf(stderr, "  events fired (game minute):");
    for (int k = 0; k < EVENT_COUNT; k++)
        if (event_fired(k)) std::fprintf(stderr, " E%d (%d)", k, event[k].fired);
    std::fprintf(stderr, "\n");
}

void run(const Op &op)
{
    switch (op.kind) {
    case OP_KEY: hl_set_key(op.a, op.b != 0); break;
    case OP_BUTTON: hl_set_button(op.a, op.b != 0); break;
    case OP_MOVE: hl_add_mickeys(op.a - mx, op.b - my); break;
    case OP_FRAMES: wait_frames = op.a; break;
    case OP_SHOT:
        if (hl_write_bmp(op.path.c_str()) != 0) {
            std::fprintf(stderr, "%s -- cannot write %s\n", op.where.c_str(), op.path.c_str());
            failures++;
        }
        break;
    case OP_SAVE:
        if (write_save(op.path.c_str(), 1) != 0) {
            std::fprintf(stderr, "%s -- cannot write %s\n", op.where.c_str(), op.path.c_str());
            failures++;
        }
        break;
    case OP_EXPECT: {
        checked++;
        double actual = value_of(op);
        if (!compare(actual, op.cmp, op.value)) {
            failures++;
            std::fprintf(stderr, "%s -- actual value %.9g\n", op.where.c_str(), actual);
        }
        break;
    }
    case OP_MUSIC: {
        checked++;
        std::string playing = hl_music_playing();
        if (op.path.find(" " + playing + " ") == std::string::npos) {
            failures++;
            std::fprintf(stderr, "%s -- playing \"%s\"\n", op.where.c_str(), playing.c_str());
        }
        break;
    }
    case OP_UNTIL: {
        double actual = value_of(op);
        if (compare(actual, op.cmp, op.value)) {
            checked++;
            until_waited = 0;
        } else if (++until_waited > op.c) {
            checked++;
            failures++;
            until_waited = 0;
            std::fprintf(stderr, "%s -- still %.9g after %d frames\n", op.where.c_str(), actual, op.c);
        } else {
            pc--;   // asked again next frame
            wait_frames = 1;
        }
        break;
    }
    case OP_WHILE: {
        int &began = loop_began[pc - 1];
        if (began < 0) began = frames_seen;
        bool go_on = compare(value_of(op), op.cmp, op.value);
        if (go_on && frames_seen - began > op.c) {
            failures++;
            std::fprintf(stderr, "%s -- still going after %d frames\n", op.where.c_str(), op.c);
            go_on = false;
        }
        if (!go_on) {
            checked++;
            began = -1;
            pc = op.jump + 1;
        }
        break;
    }
    case OP_END:
        pc = op.jump;
        wait_frames = 1;   // a body that lets no frame pass still cannot spin
        break;
    case OP_POINT_CELL:
    case OP_POINT_CRT:
    case OP_POINT_LS: {
        int x = 0, y = 0;
        bool seen = op.kind == OP_POINT_CELL ? cell_on_screen(op.a, op.b, x, y)
                    : op.kind == OP_POINT_LS ? object_on_screen(op.a, op.b, x, y)
                                             : creature_on_screen(op.a, x, y);
        if (!seen) {
            std::fprintf(stderr, "%s -- not in the view\n", op.where.c_str());
            failures++;
            break;
        }
        hl_add_mickeys(x - mx, y - my);
        break;
    }
    case OP_POINT_BUTTON: {
        // The button of the speech box or answer list of the frame just shown.
        int x = 0, y = 0;
        if (!speech_button_at(j[frame_count] - 1, &x, &y) && !speech_button_at(j[frame_count], &x, &y)) {
            std::fprintf(stderr, "%s -- no speech box is shown\n", op.where.c_str());
            failures++;
            break;
        }
        hl_add_mickeys(x + VIEW_X - mx, y + VIEW_Y - my);
        break;
    }
    case OP_POINT_ANSWER: {
        // Speech entry a of the answer list of the frame just shown.
        int x = 0, y = 0;
        if (!answer_row_at(j[frame_count] - 1, op.a, &x, &y) && !answer_row_at(j[frame_count], op.a, &x, &y)) {
            std::fprintf(stderr, "%s -- that answer is not listed\n", op.where.c_str());
            failures++;
            break;
        }
        hl_add_mickeys(x + VIEW_X - mx, y + VIEW_Y - my);
        break;
    }
    case OP_FIGHT:
        if (fight_frame(op)) {
            pc--;   // asked again next frame
            wait_frames = 1;
        } else {
            checked++;
            fight_frames = fight_step = fight_tries = 0;
            fight_turn_crt = -1;
        }
        break;
    case OP_PRINT: op.a ? print_events() : print_creatures(); break;
    case OP_SETTLE:
        quiet_frames = all_still() ? quiet_frames + 1 : 0;
        if (quiet_frames < SETTLE_FRAMES && ++settle_waited <= SETTLE_LIMIT) {
            pc--;   // asked again next frame
            wait_frames = 1;
            break;
        }
        if (quiet_frames < SETTLE_FRAMES) {
            failures++;
            std::fprintf(stderr, "%s -- still busy after %d frames\n", op.where.c_str(), SETTLE_LIMIT);
        }
        quiet_frames = settle_waited = 0;
        break;
    case OP_SEED: srandom((uint32_t)op.a); break;
    case OP_MEASURE: timing_scenario(op.path); break;
    case OP_SET: j[op.a] = op.b; break;
    case OP_LEVEL: make_level(1, op.a, op.b, op.c); break;
    case OP_GIVE:
    case OP_JOIN:
        // An item in the party's inventory, or a character in the party, as play
        // would bring them (loot, a purchase, an NPC joining).
        if ((op.kind == OP_GIVE ? new_item(op.a, STK_INVENTORY, 0, -1) : load_p1cr(op.a)) < 0) {
            std::fprintf(stderr, "%s -- nothing was made\n", op.where.c_str());
            failures++;
        }
        update_scr();
        break;
    case OP_EXP:
        // Experience as a won battle or a quest gives it, level-ups and all.
        recieve_exp(op.a, op.b);
        update_scr();
        break;
    }
}

}  // namespace

int key_by_name(const std::string &name)
{
    if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return K_A + (name[0] - 'A');
    if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return K_0 + (name[0] - '0');
    if (name.size() >= 2 && name[0] == 'F') {
        int n = 0;
        if (to_int(name.substr(1), n) && n >= 1 && n <= 12) return K_F1 + n - 1;
    }
    for (const KeyName &k : named_keys)
        if (name == k.name) return k.code;
    return -1;
}

bool script_parse(const std::string &text, const std::string &name, const std::string &base_dir)
{
    ops.clear();
    open_loops.clear();
    std::istringstream in(text);
    std::string line;
    bool ok = true;
    for (int no = 1; std::getline(in, line); no++) {
        size_t hash = line.find('#');
        std::string body = hash == std::string::npos ? line : line.substr(0, hash);
        while (!body.empty() && (body.back() == ' ' || body.back() == '\r' || body.back() == '\t'))
            body.pop_back();
        std::string where = name + ":" + std::to_string(no) + ": " + body;
        if (!parse_line(body, where, base_dir)) ok = false;
    }
    for (size_t at : open_loops) ok = fail_parse(ops[at].where, "while without its end");
    return ok;
}

bool script_load(const std::string &file, const std::string &base_dir)
{
    std::ifstream in(file);
    if (!in) {
        std::fprintf(stderr, "cannot read the play script %s\n", file.c_str());
        return false;
    }
    std::stringstream all;
    all << in.rdbuf();
    return script_parse(all.str(), file, base_dir);
}

void script_start(int frame_limit, int seed, bool has_seed)
{
    pc = 0;
    wait_frames = 0;
    frames_seen = 0;
    limit = frame_limit;
    start_seed = seed;
    reseed = has_seed;
    failures = 0;
    checked = 0;
    until_waited = settle_waited = quiet_frames = 0;
    loop_began.assign(ops.size(), -1);
}

void script_frame()
{
    frames_seen++;
    if (reseed) {
        srandom((uint32_t)start_seed);
        reseed = false;
    }
    if (limit > 0 && frames_seen >= limit) hl_request_close();
    timing_frame();
    if (wait_frames > 0 && --wait_frames > 0) return;
    while (pc < ops.size()) {
        run(ops[pc++]);
        if (wait_frames > 0) return;
    }
    if (limit <= 0) hl_request_close();
}

int script_failures() { return failures; }
int script_expectations() { return checked; }

}  // namespace hm
