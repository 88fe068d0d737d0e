// script.cpp -- the play-script interpreter behind hollowmere-headless
#include "runner/script.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "core/core.h"
#include "flow/flow.h"
#include "items/items.h"
#include "party/party.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {

namespace {

enum OpKind { OP_KEY, OP_BUTTON, OP_MOVE, OP_FRAMES, OP_SHOT, OP_SAVE, OP_EXPECT, OP_SEED, OP_LEVEL, OP_GIVE, OP_JOIN };

struct Op {
    OpKind kind;
    int a = 0, b = 0;          // key or button and down; x and y; frame count; slot; level
    int c = 0;                 // level: the entry cell's row (a is the level, b its column)
    bool float_table = false;  // expect f
    std::string cmp, path;     // expect's operator; file of shot and save
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
size_t pc;
int wait_frames;
int frames_seen;
int limit;
int start_seed;
bool reseed;
int failures;
int checked;

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
            if (w.size() != 4 || !to_int(w[2], x) || !to_int(w[3], y))
                return fail_parse(where, "click left|right X Y");
            ops.push_back(make(OP_MOVE, where, x, y));
            ops.push_back(make(OP_FRAMES, where, 1));
            ops.push_back(make(OP_BUTTON, where, button, 1));
            ops.push_back(make(OP_FRAMES, where, 1));
            ops.push_back(make(OP_BUTTON, where, button, 0));
            ops.push_back(make(OP_FRAMES, where, 1));
        }
    } else if (cmd == "shot" || cmd == "save") {
        if (w.size() != 2) return fail_parse(where, "shot|save FILE");
        Op op = make(cmd == "shot" ? OP_SHOT : OP_SAVE, where);
        op.path = join_path(base, w[1]);
        ops.push_back(op);
    } else if (cmd == "expect") {
        if (w.size() != 5 || (w[1] != "j" && w[1] != "f"))
            return fail_parse(where, "expect j|f NAME OP VALUE");
        Op op = make(OP_EXPECT, where);
        op.float_table = w[1] == "f";
        op.a = op.float_table ? f_slot_by_name(w[2].c_str()) : j_slot_by_name(w[2].c_str());
        if (op.a < 0) return fail_parse(where, "expect: unknown slot");
        op.cmp = w[3];
        if (op.cmp != "==" && op.cmp != "!=" && op.cmp != "<" && op.cmp != ">" && op.cmp != "<=" &&
            op.cmp != ">=")
            return fail_parse(where, "expect: OP is one of == != < > <= >=");
        char *end = nullptr;
        op.value = std::strtod(w[4].c_str(), &end);
        if (*end) return fail_parse(where, "expect: VALUE is a number");
        ops.push_back(op);
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
        double actual = op.float_table ? (double)f[op.a] : (double)j[op.a];
        if (!compare(actual, op.cmp, op.value)) {
            failures++;
            std::fprintf(stderr, "%s -- actual value %.9g\n", op.where.c_str(), actual);
        }
        break;
    }
    case OP_SEED: srandom((uint32_t)op.a); break;
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
}

void script_frame()
{
    frames_seen++;
    if (reseed) {
        srandom((uint32_t)start_seed);
        reseed = false;
    }
    if (limit > 0 && frames_seen >= limit) hl_request_close();
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
