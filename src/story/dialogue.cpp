// dialogue.cpp -- speech sections, which answers are offered, and the conversation with an NPC
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

spch_table npc_spch;

namespace {

constexpr int NPC_INTS = 30;       // numbers of the record before the speech section
constexpr int ENTRY_INTS = 25;     // numbers of one entry, its own number first
constexpr int WALK_UP_REACH = 44;  // path cost within which the leader walks up to talk
constexpr int SAY = 77;            // colour of speech and answers
constexpr int HOVER = 70;          // colour of the answer under the pointer
constexpr int SHADOW = 75;
constexpr int FACE_GROUP = 11;

enum { TRADE = 1, LAST_WORD = 2, AUTOMATIC = 6 };

bool npc_ok(int n) { return n >= 0 && n < NPC_COUNT; }

// An entry number of a list: another entry, or -1 when it names none there is.
int32_t entry_ref(int v) { return v >= 0 && v < SPCH_ENTRIES ? v : -1; }

bool read_entry(txt_reader &in, spch_entry &e)
{
    int v[ENTRY_INTS];
    for (int &x : v)
        if (!in.read_int(&x)) return false;
    e.cond = v[1];
    e.active = v[2];
    e.type = v[3];
    e.ans_group = v[4];
    e.ans_num = v[5];
    e.reply_group = v[6];
    e.reply_num = v[7];
    e.hour_from = v[8];
    e.hour_to = v[9];
    for (int i = 0; i < SPCH_LIST; i++) {
        e.need_all[i] = entry_ref(v[10 + i]);
        e.need_any[i] = entry_ref(v[14 + i]);
        e.closes[i] = entry_ref(v[18 + i]);
    }
    e.att_change = v[22];
    e.spare1 = v[23];
    e.spare2 = v[24];
    return true;
}

int chosen(int n, int k) { return k >= 0 && npc[n].answer_state[k] == 1; }

bool offered_at(const spch_entry &e, long long hour_count)
{
    int h = (int)(((hour_count % 24) + 24) % 24);
    if (e.hour_from < e.hour_to && (h < e.hour_from || h > e.hour_to)) return false;
    if (e.hour_to < e.hour_from && h < e.hour_from && h > e.hour_to) return false;
    return true;
}

bool has_goods(int n)
{
    for (int s = 0; s < NPC_SHOP_SLOTS; s++)
        if (npc[n].item_type[s] != -1) return true;
    return false;
}

int talker() { return npc_ok(j[talk_npc]) ? j[talk_npc] : 0; }

// What NPC n says, in a speech box with its portrait and name.
int npc_says(int n, int num, int group, int num1 = 0)
{
    return do_speech(npc[n].face_pic, num, group, SAY, 0, num1, 0, 0, npc[n].name);
}

int entry_count() { return std::min(std::max((int)npc_spch.count, 0), SPCH_ENTRIES); }

int first_automatic()
{
    for (int k = 0; k < entry_count(); k++)
        if (check_rqst(k, 1)) return k;
    return -1;
}

void choose(int k);

void start_talk(int t)
{
    j[talk_crt] = t;
    j[talk_npc] = CRT[t].npc_index;
    j[talk_state] = 1;
}

// The pointer rests on a bystander NPC: a click opens a talk, walking up to it
// first when it stands further than a step away.
void click_to_talk()
{
    // A click on a message's button is not a click on the villager behind it.
    if (j[talk_state] != 0 || j[battle_on] || !j[ptr_in_view] || j[mes_showing]) return;
    int t = j[ptr_crt];
    if (t < 0 || t >= CRT_COUNT) return;
    const crt_rec &T = CRT[t];
    if (!T.in_use || T.side != 4 || !npc_ok(T.npc_index) || T.path_step != -1) return;
    j[talk_hover] = 1;
    int l = leader_crt();
    if (!j[lmb_down] || l < 0) return;
    const crt_rec &L = CRT[l];
    if (std::abs(L.x - T.x) < 2 && std::abs(L.y - T.y) < 2) {
        start_talk(t);
        return;
    }
    set_pbuf(L.x, L.y);
    static const int NEAR[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};   // east, west, south, north
    int best_x = -1, best_y = -1, best_d = INT_MAX;
    for (const auto &o : NEAR) {
        int x = T.x + o[0], y = T.y + o[1];
        if (!cell_ok(x, y)) continue;
        int d = pbuf[x + MAP_W * y];
        if (d > 0 && grs[x + MAP_W * y] != BLOCKED && d < best_d) {
            best_d = d;
            best_x = x;
            best_y = y;
        }
    }
    if (best_x < 0 || best_d > WALK_UP_REACH) return;
    find_crpath(l, best_x, best_y);
    start_talk(t);
}

void walk_up()
{
    int l = leader_crt(), t = j[talk_crt];
    if (l < 0) {
        j[talk_state] = 0;
        return;
    }
    if (CRT[l].path_step != -1) return;
    const crt_rec &L = CRT[l];
    if (t >= 0 && t < CRT_COUNT && CRT[t].in_use && std::abs(L.x - CRT[t].x) < 2 && std::abs(L.y - CRT[t].y) < 2) {
        j[talk_state] = 2;
        load_npc_spch(j[talk_npc]);
        crt_fdir(l, CRT[t].x, CRT[t].y);
        crt_fdir(t, L.x, L.y);
    } else {
        j[talk_state] = 0;
    }
}

void greet()
{
    int n = talker();
    int k = first_automatic();
    if (k >= 0) {
        j[talk_state] = 3;
        choose(k);
        return;
    }
    int m = npc_mood(npc[n].attitude);
    if (npc_says(n, npc_spch.greet_num[m], npc_spch.greet_group[m])) j[talk_state] = 3;
}

void choose(int k)
{
    int n = talker();
    const spch_entry &e = npc_spch.entry[k];
    j[talk_state] = 4;
    j[talk_answer] = k;
    for (int c : e.closes)
        if (c != -1) npc[n].answer_state[c] = 2;
    long long a = (long long)npc[n].attitude + e.att_change;
    npc[n].attitude = a > INT_MAX ? INT_MAX : a < INT_MIN ? INT_MIN : (int)a;
    if (e.type == 0 || e.type == AUTOMATIC) {
        npc[n].answer_state[k] = 1;
        j[lmb_down] = 0;
    }
    if (e.type == TRADE) {
        j[talk_state] = 5;
        j[istk_sel] = -1;
        j[istk_scroll] = 0;
        load_npc_items();
        j[istk_shown] = STK_SHOP;
        j[lmb_down] = 0;
        update_scr();
    }
}

// The leader's answers, each under the one before; the answer under the pointer
// is lit.  A first pass measures the answers, and since the box darkens what lies
// beneath it, it shows as a shadow.
// Where each answer of the list drawn in frame listed_frame stands, for the play scripts.
int listed_frame = -1;
int listed_y[SPCH_ENTRIES];

void answer_list()
{
    listed_frame = j[frame_count];
    for (int &v : listed_y) v = -1;
    int px = j[mouse_x] - VIEW_X, py = j[mouse_y] - VIEW_Y;
    int y = 30, widest = 0, hover = -1;
    for (int k = 0; k < entry_count(); k++) {
        if (!check_rqst(k, 0)) continue;
        const spch_entry &e = npc_spch.entry[k];
        wrt_around_box(11, y - 1, 249, e.ans_num, e.ans_group, SHADOW, 0, 0, 0, 0, 1);
        int w = j[text_w], h = j[text_h];
        bool beside_face = 74 < px && px < w + 74 && 10 < py && py < 75;
        bool below_face = 8 < px && px < w + 8 && py > 74;
        if (y <= py && py <= y + h + 9 && (beside_face || below_face)) hover = k;
        y += h + 9;
        widest = std::max(widest, w);
    }
    int m = j[leader];
    bool member = m >= 0 && m < PARTY_SIZE && p1cr[m].in_use;
    int named = member ? 80 + wrt2(80, 12, P1CR_NAME_LEN, 12, 0, 1, p1cr[m].name) : 0;
    int W = std::max(widest, named), H = std::max(y - 30, 24);
    draw_tbox(0, 0, W + 20, H + 60, 1);
    y = 30;
    for (int k = 0; k < entry_count(); k++) {
        if (!check_rqst(k, 0)) continue;
        const spch_entry &e = npc_spch.entry[k];
        wrt_around_box(12, y, 250, e.ans_num, e.ans_group, k == hover ? HOVER : SAY, 0, 0, 0, 0, 1);
        listed_y[k] = y;
        y += j[text_h] + 9;
    }
    if (member) {
        draw_bmp(p1cr[m].face_pic, FACE_GROUP, 10, 10, 1, 0);
        wrt2(80, 12, P1CR_NAME_LEN, 12, 0, 1, p1cr[m].name);
    }
    draw_box_button(W, H);

    int k = first_automatic();
    if (k < 0 && j[lmb_down] && hover >= 0) k = hover;
    if (k >= 0) choose(k);
    if (j[talk_state] == 3 && box_button_clicked(W, H)) j[talk_state] = 0;
}

void reply()
{
    int n = talker();
    const spch_entry &e = npc_spch.entry[j[talk_answer] >= 0 && j[talk_answer] < SPCH_ENTRIES ? j[talk_answer] : 0];
    if (!npc_says(n, e.reply_num, e.reply_group)) return;
    j[talk_state] = npc[n].attitude < -100 ? 6 : 3;
}

void close_shop()
{
    j[istk_shown] = -1;
    update_scr();
    delete_npc_items();
    j[talk_state] = 3;
}

void shop()
{
    int n = talker(), k = j[talk_answer];
    if (k < 0 || k >= SPCH_ENTRIES || !check_rqst(k, 0)) {
        close_shop();
        return;
    }
    const spch_entry &e = npc_spch.entry[k];
    int sel = j[istk_sel];
    bool priced = sel >= 0 && sel < ITEM_COUNT && ITEM[sel].in_use;
    bool done = priced ? npc_says(n, npc_spch.price_num, npc_spch.price_group, npc_item_price(n, sel))
                       : npc_says(n, e.reply_num, e.reply_group);
    if (done) close_shop();
}

void last_word()
{
    int n = talker();
    const spch_entry &e = npc_spch.entry[npc_spch_type(LAST_WORD)];
    if (npc_says(n, e.reply_num, e.reply_group)) j[talk_state] = 7;
}

void attack()
{
    j[talk_state] = 0;
    j[battle_stage] = 1;
    j[loot_spawner] = -1;
    int t = j[talk_crt];
    if (t >= 0 && t < CRT_COUNT && CRT[t].in_use) CRT[t].side = 2;
    set_grs();
    int l = leader_crt();
    if (l >= 0) place_p1cr(CRT[l].x, CRT[l].y);
}

// The NPC being talked to went away (the story took it, or it died): the talk ends.
void drop_lost_talk()
{
    int s = j[talk_state];
    if (s < 2) return;
    if (npc_ok(j[talk_npc]) && npc_crt(j[talk_npc]) == j[talk_crt]) return;
    if (s == 5) close_shop();
    j[talk_state] = 0;
}

}  // namespace

int load_npc_spch(int n)
{
    // Nothing of the last section survives, so a missing entry type falls back to
    // an empty entry 0 rather than another NPC's line.
    std::memset(&npc_spch, 0, sizeof npc_spch);
    if (!npc_ok(n)) return -1;
    loadn2("npc~", n, EXT_TXT);
    txt_reader in;
    if (!in.open(xnam)) return -1;
    char name[NPC_NAME_LEN];
    in.read_name(name, NPC_NAME_LEN);
    int skip = 0;
    for (int i = 0; i < NPC_INTS; i++) in.read_int(&skip);
    spch_table t;
    std::memset(&t, 0, sizeof t);
    for (int m = 0; m < MOODS; m++) {
        in.read_int(&t.greet_group[m]);
        in.read_int(&t.greet_num[m]);
    }
    in.read_int(&t.price_group);
    in.read_int(&t.price_num);
    int count = 0;
    if (!in.read_int(&count)) return -1;
    // The table holds 100 entries; a section that ends early keeps the entries it has.
    count = std::min(std::max(count, 0), SPCH_ENTRIES);
    int k = 0;
    while (k < count && read_entry(in, t.entry[k])) k++;
    t.count = k;
    npc_spch = t;
    return 0;
}

int npc_spch_type(int t)
{
    for (int k = 0; k < SPCH_ENTRIES; k++)
        if (npc_spch.entry[k].active && npc_spch.entry[k].type == t) return k;
    return 0;
}

int npc_mood(int attitude)
{
    if (attitude >= 61) return 0;
    if (attitude >= 1) return 1;
    if (attitude >= -29) return 2;
    if (attitude >= -59) return 3;
    return 4;
}

int check_rqst(int k, int automatic)
{
    int n = j[talk_npc];
    if (k < 0 || k >= SPCH_ENTRIES || !npc_ok(n)) return 0;
    const spch_entry &e = npc_spch.entry[k];
    if (!e.active) return 0;
    int ok = 1;
    for (int v : e.need_all)
        if (v != -1 && !chosen(n, v)) ok = 0;
    bool any_listed = false, any_chosen = false;
    for (int v : e.need_any) {
        if (v == -1) continue;
        any_listed = true;
        if (chosen(n, v)) any_chosen = true;
    }
    if (any_listed) ok = any_chosen;
    if (!offered_at(e, j[hour])) ok = 0;
    if (npc[n].answer_state[k] == 1 || npc[n].answer_state[k] == 2) ok = 0;
    if (e.type == TRADE && !has_goods(n)) ok = 0;
    if (e.type >= 2 && e.type <= 5) ok = 0;
    if (e.type == AUTOMATIC && !automatic) ok = 0;
    if (e.type != AUTOMATIC && automatic) ok = 0;
    if (e.cond != 0 && !check_con(e.cond)) ok = 0;
    return ok;
}

void talk_to_npc()
{
    j[talk_hover] = 0;
    drop_lost_talk();
    click_to_talk();
    if (j[talk_state] == 1) walk_up();
    if (j[talk_state] == 2) greet();
    if (j[talk_state] == 3) answer_list();
    if (j[talk_state] == 4) reply();
    if (j[talk_state] == 5) shop();
    if (j[talk_state] == 6) last_word();
    if (j[talk_state] == 7) attack();
}

int answer_row_at(int frame, int k, int *px, int *py)
{
    if (frame != listed_frame || k < 0 || k >= SPCH_ENTRIES || listed_y[k] < 0) return 0;
    // Beside the portrait the answers begin right of it.
    *py = listed_y[k] + 4;
    *px = *py < 75 ? 90 : 20;
    return 1;
}

}  // namespace hm
