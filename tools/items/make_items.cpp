// make_items.cpp -- writes the item types, price weights, attribute colours, character
// files and creature stashes of the run directory from the sources in content/items
//
//   hm_items SOURCE_DIR OUT_DIR
//
// Sources (one statement per line, '#' starts a comment):
//   attributes.def  index key worth colour      (worth only for attributes 0..49)
//   items.def       "item N Name" then its fields, one per line
//   characters.def  "character N Name" then its fields
//   crtstash.def    "type N what it is" then its drops, gold and experience
// Output: i<N>.txt, atv1.txt, tcol1.txt, c<N>.txt, crtstash.txt.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int ATTRS = 80;          // attributes 0..79 have keys
constexpr int TYPE_ATTRS = 79;     // attributes 1..79 in a type file
constexpr int WORTHS = 50;         // price weights of attributes 0..49
constexpr int NAME_LEN = 25;       // name field: 24 characters and '~' padding
constexpr int SLOTS = 25;          // slot_ok entries of a character
constexpr int STASH_DROPS = 10;
constexpr int ICONS = 250;         // pictures of the item icon group
constexpr int BELT_PIC_FIRST = 41, BELT_PIC_LAST = 124;   // belt pictures of the pointer group

const char *const ATTR_KEYS_NEED[5] = {"str", "agi", "aim", "end", "spi"};

// Slot s is shown by the sheet's slot button s + 9.
const std::map<std::string, int> SLOT_NAMES = {
    {"weapon", 0}, {"shield", 1}, {"helmet", 2}, {"armour", 3}, {"gloves", 4},
    {"boots", 5}, {"cloak", 6}, {"belt", 7}, {"amulet", 8}, {"bracers", 9},
    {"ring", 10}, {"ring2", 11}, {"greaves", 12}, {"charm", 13}, {"quiver", 14},
};

// Usable items keep their fixed values under these names.
const std::map<std::string, int> USE_KEYS = {
    {"sheet", 1}, {"target", 2}, {"belt_pic", 5}, {"heal", 7}, {"heal_pct", 8},
    {"cure", 9}, {"cause", 10}, {"rounds", 11}, {"mana", 12}, {"mana_pct", 13},
};

int failures = 0;

void fail(const std::string &where, const std::string &why)
{
    std::fprintf(stderr, "%s: %s\n", where.c_str(), why.c_str());
    failures++;
}

struct Line {
    std::string where;               // file:line for messages
    std::vector<std::string> words;  // the statement, comment removed
    std::string rest;                // text after the first two words (a name)
};

std::vector<Line> read_lines(const std::string &file)
{
    std::vector<Line> out;
    std::ifstream in(file);
    if (!in) {
        fail(file, "cannot read");
        return out;
    }
    std::string text;
    for (int no = 1; std::getline(in, text); no++) {
        size_t hash = text.find('#');
        if (hash != std::string::npos) text.erase(hash);
        Line l;
        l.where = file + ":" + std::to_string(no);
        std::istringstream words(text);
        for (std::string w; words >> w;) l.words.push_back(w);
        if (l.words.empty()) continue;
        // The name is everything after "item N", spaces kept.
        size_t at = text.find(l.words[0]) + l.words[0].size();
        if (l.words.size() > 1) at = text.find(l.words[1], at) + l.words[1].size();
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) at++;
        l.rest = text.substr(at);
        while (!l.rest.empty() && (l.rest.back() == ' ' || l.rest.back() == '\t' || l.rest.back() == '\r'))
            l.rest.pop_back();
        out.push_back(l);
    }
    return out;
}

bool to_int(const std::string &w, int &v)
{
    char *end = nullptr;
    long n = std::strtol(w.c_str(), &end, 10);
    if (w.empty() || *end || n < -2147483647L || n > 2147483647L) return false;
    v = (int)n;
    return true;
}

bool fits16(int v) { return v >= -32768 && v <= 32767; }

std::string name_field(const std::string &where, const std::string &name)
{
    if (name.empty() || name.size() > NAME_LEN - 1 || name.find('~') != std::string::npos)
        fail(where, "a name has 1..24 characters and no '~'");
    std::string f = name.substr(0, NAME_LEN - 1);
    f.resize(NAME_LEN, '~');
    return f;
}

bool write_file(const std::string &path, const std::string &text)
{
    FILE *out = std::fopen(path.c_str(), "wb");
    if (!out) {
        fail(path, "cannot write");
        return false;
    }
    std::fwrite(text.data(), 1, text.size(), out);
    bool ok = std::fclose(out) == 0;
    if (!ok) fail(path, "cannot write");
    return ok;
}

// -- attributes -------------------------------------------------------------------
struct Attr {
    std::string key;
    int worth = 0;
    int colour = 15;
    bool set = false;
};

std::vector<Attr> read_attributes(const std::string &dir, std::map<std::string, int> &by_key)
{
    std::vector<Attr> attrs(ATTRS);
    for (const Line &l : read_lines(dir + "/attributes.def")) {
        int index = -1, worth = 0, colour = 0;
        if (l.words.size() != 4 || !to_int(l.words[0], index) || index < 0 || index >= ATTRS ||
            !(to_int(l.words[2], worth) || l.words[2] == "-") || !to_int(l.words[3], colour)) {
            fail(l.where, "expected: index key worth colour");
            continue;
        }
        Attr &a = attrs[(size_t)index];
        if (a.set || by_key.count(l.words[1])) fail(l.where, "attribute listed twice");
        if ((index < WORTHS) != (l.words[2] != "-")) fail(l.where, "attributes 0..49 have a worth, the others '-'");
        if (colour < 0 || colour > 255) fail(l.where, "a colour is a palette index 0..255");
        a = {l.words[1], l.words[2] == "-" ? 0 : worth, colour, true};
        by_key[a.key] = index;
    }
    for (int i = 0; i < ATTRS; i++)
        if (!attrs[(size_t)i].set) fail(dir + "/attributes.def", "attribute " + std::to_string(i) + " missing");
    return attrs;
}

// -- item types -------------------------------------------------------------------
struct Roll {
    int lo = 0, hi = 0, chance = 0;   // as in the type file: hi is never rolled
};

struct ItemType {
    std::string where, name;
    int cls = 0, slot = -1, icon = -1, price = 0, wmin = 0, wmax = 0;
    Roll roll[ATTRS];              // class 1
    int value[ATTRS] = {};         // class 2
    int need[5] = {};
    bool has_class = false, has_weight = false, has_price = false;
};

// "lo..hi" (both may be rolled) or "v", and an optional "N%".
bool parse_roll(const std::vector<std::string> &w, size_t at, Roll &r)
{
    if (at >= w.size() || at + 2 < w.size()) return false;
    const std::string &range = w[at];
    size_t dots = range.find("..");
    int lo = 0, hi = 0;
    if (dots == std::string::npos) {
        if (!to_int(range, lo)) return false;
        hi = lo;
    } else if (!to_int(range.substr(0, dots), lo) || !to_int(range.substr(dots + 2), hi) || hi <= lo) {
        return false;
    }
    int chance = 100;
    if (at + 1 < w.size()) {
        const std::string &c = w[at + 1];
        if (c.size() < 2 || c.back() != '%' || !to_int(c.substr(0, c.size() - 1), chance) || chance < 0 ||
            chance > 100)
            return false;
    }
    if (!fits16(lo) || !fits16(hi)) return false;
    r.lo = lo;
    r.hi = hi > lo ? hi + 1 : hi;
    r.chance = chance;
    return true;
}

void item_field(ItemType &it, const Line &l, const std::map<std::string, int> &keys)
{
    const std::vector<std::string> &w = l.words;
    const std::string &k = w[0];
    int v = 0;
    if (k == "class") {
        it.has_class = true;
        if (w.size() == 2 && w[1] == "equipment") it.cls = 1;
        else if (w.size() == 2 && w[1] == "usable") it.cls = 2;
        else if (w.size() == 2 && w[1] == "quest") it.cls = 3;
        else fail(l.where, "class equipment|usable|quest");
    } else if (k == "slot") {
        auto s = w.size() == 2 ? SLOT_NAMES.find(w[1]) : SLOT_NAMES.end();
        if (s == SLOT_NAMES.end() || s->second == 11) fail(l.where, "slot: a slot name (rings list 'ring')");
        else it.slot = s->second;
    } else if (k == "icon") {
        if (w.size() != 2 || !to_int(w[1], it.icon) || it.icon < 0 || it.icon >= ICONS) fail(l.where, "icon 0..249");
    } else if (k == "price") {
        it.has_price = true;
        if (w.size() != 2 || !to_int(w[1], it.price) || it.price < 0) fail(l.where, "price N");
    } else if (k == "weight") {
        Roll r;
        it.has_weight = true;
        if (w.size() != 2 || !parse_roll(w, 1, r) || r.lo < 0) fail(l.where, "weight lo..hi or weight N");
        it.wmin = r.lo;
        it.wmax = r.hi;
    } else if (k == "need") {
        int which = -1;
        for (int a = 0; a < 5; a++)
            if (w.size() == 3 && w[1] == ATTR_KEYS_NEED[a]) which = a;
        if (which < 0 || !to_int(w[2], v) || v < 0 || !fits16(v)) fail(l.where, "need str|agi|aim|end|spi N");
        else it.need[which] = v;
    } else if (it.cls == 2) {
        auto u = USE_KEYS.find(k);
        if (u == USE_KEYS.end() || w.size() != 2 || !to_int(w[1], v) || !fits16(v)) fail(l.where, "usable: key N");
        else it.value[u->second] = v;
    } else if (it.cls == 1) {
        auto a = keys.find(k);
        if (a == keys.end() || a->second == 0) {
            fail(l.where, "unknown attribute " + k);
            return;
        }
        if (!parse_roll(w, 1, it.roll[a->second])) fail(l.where, k + " lo..hi [N%] or " + k + " N [N%]");
    } else {
        fail(l.where, "'" + k + "' needs an equipment or usable class given first");
    }
}

std::string item_file(const ItemType &it)
{
    std::ostringstream o;
    o << name_field(it.where, it.name) << "\n";
    o << it.cls << " " << it.slot << " " << it.icon << " " << it.price << " " << it.wmin << " " << it.wmax << "\n";
    if (it.cls == 1) {
        for (int i = 1; i <= TYPE_ATTRS; i++)
            o << it.roll[i].lo << " " << it.roll[i].hi << " " << it.roll[i].chance << "\n";
        o << it.need[0] << " " << it.need[1] << " " << it.need[2] << " " << it.need[3] << " " << it.need[4] << "\n";
    } else if (it.cls == 2) {
        for (int i = 1; i <= TYPE_ATTRS; i++) o << it.value[i] << (i % 10 == 0 || i == TYPE_ATTRS ? "\n" : " ");
    }
    return o.str();
}

void check_item(const ItemType &it, int n)
{
    if (!it.has_class || !it.has_weight || !it.has_price) fail(it.where, "an item needs class, weight and price");
    if (it.cls == 1 && it.slot < 0) fail(it.where, "equipment needs a slot");
    if (it.cls != 1 && it.slot >= 0) fail(it.where, "only equipment has a slot");
    if (it.cls == 2) {
        int pic = it.value[5];
        if (pic < BELT_PIC_FIRST || pic > BELT_PIC_LAST) fail(it.where, "a usable item needs belt_pic 41..124");
        for (int k : {9, 10})
            if (it.value[k] < -1 || it.value[k] > 21) fail(it.where, "conditions are 0..21, -1 none");
    }
    if (n == 0 && (it.cls != 1 || it.slot != 0)) fail(it.where, "item 0 is the hero's first weapon");
}

bool write_items(const std::string &dir, const std::string &out, const std::map<std::string, int> &keys)
{
    std::map<int, ItemType> items;
    ItemType *cur = nullptr;
    for (const Line &l : read_lines(dir + "/items.def")) {
        if (l.words[0] == "item") {
            int n = -1;
            if (l.words.size() < 3 || !to_int(l.words[1], n) || n < 0) {
                fail(l.where, "item N Name");
                cur = nullptr;
                continue;
            }
            if (items.count(n)) fail(l.where, "item " + std::to_string(n) + " listed twice");
            cur = &items[n];
            *cur = ItemType();
            cur->where = l.where;
            cur->name = l.rest;
            cur->icon = n;
            cur->value[9] = cur->value[10] = -1;   // cures and causes nothing
            continue;
        }
        if (!cur) {
            fail(l.where, "a field before the first item");
            continue;
        }
        item_field(*cur, l, keys);
    }
    if (!items.count(0)) fail(dir + "/items.def", "item 0 missing");
    int expected = 0;
    for (auto &[n, it] : items) {
        if (n != expected) fail(it.where, "item numbers run from 0 without gaps");
        expected = n + 1;
        check_item(it, n);
        write_file(out + "/i" + std::to_string(n) + ".txt", item_file(it));
    }
    return true;
}

void write_attribute_tables(const std::vector<Attr> &attrs, const std::string &out)
{
    std::ostringstream worth, colour;
    for (int i = 0; i < WORTHS; i++) worth << attrs[(size_t)i].worth << (i % 10 == 9 ? "\n" : " ");
    for (int i = 0; i < ATTRS; i++) colour << attrs[(size_t)i].colour << (i % 10 == 9 ? "\n" : " ");
    write_file(out + "/atv1.txt", worth.str());
    write_file(out + "/tcol1.txt", colour.str());
}

// -- characters -------------------------------------------------------------------
struct Character {
    std::string where, name;
    int level = 1, hp = -1, body = 0, belt = 0, face = 0;
    int slot_ok[SLOTS] = {};
    int attr[5] = {};
    bool has_attr = false;
};

void write_characters(const std::string &dir, const std::string &out)
{
    std::map<int, Character> chars;
    Character *cur = nullptr;
    for (const Line &l : read_lines(dir + "/characters.def")) {
        const std::vector<std::string> &w = l.words;
        if (w[0] == "character") {
            int n = -1;
            if (w.size() < 3 || !to_int(w[1], n) || n < 0 || chars.count(n)) {
                fail(l.where, "character N Name, each number once");
                cur = nullptr;
                continue;
            }
            cur = &chars[n];
            cur->where = l.where;
            cur->name = l.rest;
            continue;
        }
        if (!cur) {
            fail(l.where, "a field before the first character");
            continue;
        }
        int *field = w[0] == "level" ? &cur->level : w[0] == "hp" ? &cur->hp : w[0] == "body" ? &cur->body
                   : w[0] == "belt"  ? &cur->belt  : w[0] == "face" ? &cur->face : nullptr;
        if (field) {
            if (w.size() != 2 || !to_int(w[1], *field)) fail(l.where, w[0] + " N");
        } else if (w[0] == "slots") {
            for (size_t i = 1; i < w.size(); i++) {
                auto s = SLOT_NAMES.find(w[i]);
                if (s == SLOT_NAMES.end()) fail(l.where, "unknown slot " + w[i]);
                else cur->slot_ok[s->second] = 1;
            }
        } else if (w[0] == "attributes") {
            cur->has_attr = w.size() == 6;
            for (size_t i = 1; i < w.size() && i <= 5; i++)
                if (!to_int(w[i], cur->attr[i - 1])) cur->has_attr = false;
            if (!cur->has_attr) fail(l.where, "attributes A0 A1 A2 A3 A4");
        } else {
            fail(l.where, "unknown field " + w[0]);
        }
    }
    for (auto &[n, c] : chars) {
        if (!c.has_attr) fail(c.where, "a character needs its attributes");
        if (c.level < 0 || c.belt < 0 || c.belt > 16) fail(c.where, "level 0 or more, belt 0..16");
        std::ostringstream o;
        o << name_field(c.where, c.name) << "\n";
        o << c.level << " " << c.hp << " " << c.body << " " << c.belt << " " << c.face << "\n";
        for (int s = 0; s < SLOTS; s++) o << c.slot_ok[s] << (s == SLOTS - 1 ? "\n" : " ");
        o << c.attr[0] << " " << c.attr[1] << " " << c.attr[2] << " " << c.attr[3] << " " << c.attr[4] << "\n";
        write_file(out + "/c" + std::to_string(n) + ".txt", o.str());
    }
}

// -- creature stashes -------------------------------------------------------------
struct Stash {
    std::string where;
    int drops[STASH_DROPS][3] = {};
    int n_drops = 0;
    int gold[2] = {0, 0}, exp[2] = {0, 0};
};

void write_stashes(const std::string &dir, const std::string &out)
{
    std::map<int, Stash> rows;
    Stash *cur = nullptr;
    for (const Line &l : read_lines(dir + "/crtstash.def")) {
        const std::vector<std::string> &w = l.words;
        if (w[0] == "type") {
            int t = -1;
            if (w.size() < 2 || !to_int(w[1], t) || t < 0 || rows.count(t)) {
                fail(l.where, "type N, each number once");
                cur = nullptr;
                continue;
            }
            cur = &rows[t];
            cur->where = l.where;
            continue;
        }
        if (!cur) {
            fail(l.where, "a field before the first type");
            continue;
        }
        int a = 0, b = 0, c = 0;
        if (w[0] == "drop") {
            std::string pct = w.size() == 4 ? w[3] : "";
            if (w.size() != 4 || !to_int(w[1], a) || !to_int(w[2], b) || pct.size() < 2 || pct.back() != '%' ||
                !to_int(pct.substr(0, pct.size() - 1), c) || a < 0 || c < 0 || c > 100) {
                fail(l.where, "drop ITEM MIN_LEVEL N%");
            } else if (cur->n_drops == STASH_DROPS) {
                fail(l.where, "at most ten drops");
            } else {
                int *d = cur->drops[cur->n_drops++];
                d[0] = a;
                d[1] = b;
                d[2] = c;
            }
        } else if (w[0] == "gold" || w[0] == "exp") {
            int *pair = w[0] == "gold" ? cur->gold : cur->exp;
            if (w.size() != 3 || !to_int(w[1], pair[0]) || !to_int(w[2], pair[1]))
                fail(l.where, w[0] + " FIXED PER_LEVEL");
        } else {
            fail(l.where, "unknown field " + w[0]);
        }
    }
    std::ostringstream o;
    int last = rows.empty() ? -1 : rows.rbegin()->first;
    for (int t = 0; t <= last; t++) {
        Stash s;
        if (rows.count(t)) s = rows[t];
        for (int d = 0; d < STASH_DROPS; d++) {
            if (d < s.n_drops) o << s.drops[d][0] << " " << s.drops[d][1] << " " << s.drops[d][2] << "  ";
            else o << "-1 0 0  ";
        }
        o << s.gold[0] << " " << s.gold[1] << "  " << s.exp[0] << " " << s.exp[1] << "\n";
    }
    write_file(out + "/crtstash.txt", o.str());
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: hm_items SOURCE_DIR OUT_DIR\n");
        return 2;
    }
    std::string dir = argv[1], out = argv[2];
    std::map<std::string, int> keys;
    std::vector<Attr> attrs = read_attributes(dir, keys);
    write_attribute_tables(attrs, out);
    write_items(dir, out, keys);
    write_characters(dir, out);
    write_stashes(dir, out);
    return failures ? 1 : 0;
}
