// lock_puzzle.cpp -- the disc lock: a pick set beforehand, discs caught one by one against a hidden trap timer
#include <cmath>
#include <initializer_list>

#include "battle/battle.h"
#include "chests/chests.h"
#include "core/core.h"
#include "data/data.h"
#include "platform/platform.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr float PI = 3.14159f;
constexpr float TURN = 6.283185f;
constexpr int DIAL_LO = 36, DIAL_HI = 163;   // the dial window, view columns and rows
constexpr int DIAL_CX = 100, DIAL_CY = 100;  // its centre
constexpr int UI = 7, LOCK = 4;              // picture groups: interface, lock textures
enum {
    PIC_DISC = 10, PIC_FRAME = 11, PIC_PICK = 12, PIC_KNOB = 13, PIC_COVER = 14,
    PIC_RING = 80, PIC_TIMER = 81, PIC_START = 82, PIC_STOP = 83, PIC_DISC_ROW = 84, PIC_FORCE = 85,
    PIC_DISC_HEAD = 87, PIC_CLOSE_LIT = 88, PIC_CLOSE = 89, PIC_FORCE_LIT = 90, PIC_OPENED = 91,
};
enum { PTR_SET_PICK = 33, PTR_COVER = 34, PTR_START = 35, PTR_STOP = 36 };
enum { TF_LOCK = 4, TX_PERCENT = 1, TX_CAUGHT = 2 };
enum { C_CAUGHT = 9, C_TEXT = 15, C_STUCK = 24, C_CALM = 36, C_WARN = 71, C_LATE = 24 };

struct box {
    int x0, x1, y0, y1;   // pointer screen position, inclusive
};
constexpr box START_BOX = {249, 279, 73, 103};
constexpr box FORCE_BOX = {249, 311, 105, 135};
constexpr box CLOSE_BOX = {281, 311, 73, 103};

bool pointer_in(const box &b)
{
    return j[mouse_x] >= b.x0 && j[mouse_x] <= b.x1 && j[mouse_y] >= b.y0 && j[mouse_y] <= b.y1;
}

// A release of the left button is used up by the button it lands on.
bool released_in(const box &b)
{
    if (!j[lmb_up] || !pointer_in(b)) return false;
    j[lmb_up] = 0;
    return true;
}

int &state() { return j[chest_screen]; }

// Disc indices come from the slots, which a save file also sets: every use is
// kept to the eight discs there are.
int disc_ix(int i) { return i < 0 ? 0 : i >= LOCK_DISCS ? LOCK_DISCS - 1 : i; }
int &resist(int i) { return j[lock_r + disc_ix(i)]; }
float &angle(int i) { return f[disc_angle + disc_ix(i)]; }
int last_disc() { return j[lock_last] < 0 ? 0 : j[lock_last] >= LOCK_DISCS ? LOCK_DISCS - 1 : j[lock_last]; }

float wrap_turn(float a)
{
    a = std::fmod(a, TURN);
    return a < 0 ? a + TURN : a;
}

// Levels and the editor may give any difficulty; these bounds keep the sums whole.
int difficulty_of(const chest_rec &c)
{
    return c.difficulty < -100000 ? -100000 : c.difficulty > 100000 ? 100000 : c.difficulty;
}

void set_up(const chest_rec &c)
{
    state() = LOCK_COVER;
    f[lock_anim] = PI;
    j[lock_disc] = 0;
    int discs = c.n_discs < 1 ? 1 : c.n_discs > LOCK_DISCS ? LOCK_DISCS : c.n_discs;
    j[lock_last] = discs - 1;
    int d = difficulty_of(c);
    j[lock_warn] = 300 - d;
    j[lock_span] = 320 - d;
    j[lock_trigger] = j[lock_warn] + random() % (j[lock_span] - j[lock_warn]);
    j[lock_timer] = 0;
    j[lock_trap] = TRAP_RUNNING;
    j[lock_outcome] = LOCK_NO_OUTCOME;
    for (int i = 0; i < LOCK_DISCS; i++) resist(i) = c.trap_state == LOCK_JAMMED ? 100 : c.disc_r[i];
    // The same chest always starts its discs at the same angles.
    srandom((uint32_t)c.lock_seed);
    for (int i = 0; i < LOCK_DISCS; i++) angle(i) = (float)(random() % 6300) / 1000.0f;
    srandom((uint32_t)((plat_time() % 8000) * (random() % 200) * 13));
}

void clear_dial()
{
    for (int y = DIAL_LO; y <= DIAL_HI; y++)
        for (int x = DIAL_LO; x <= DIAL_HI; x++) vs[y * VIEW_W + x] = 0;
}

void do_timer()
{
    if (j[lock_timer] >= j[lock_trigger] && j[lock_trap] == TRAP_RUNNING) {
        j[lock_trap] = TRAP_FIRED;
        f[trap_anim] = 6.2f;
    }
    int span = j[lock_span] <= 0 ? 1 : j[lock_span];
    long long len = (long long)j[lock_timer] * 100 / span;
    int t = j[lock_timer], warn = j[lock_warn];
    int c = t <= warn - 20 ? C_CALM : t < warn ? C_WARN : C_LATE;
    for (int y = 40; y <= 47; y++)
        for (long long x = 178; x < 178 + len && x < VIEW_W; x++) lpix((int)x, y, c);
}

void start_stop_button()
{
    bool turning = state() >= LOCK_TURNING && state() <= LOCK_CLOSING_UP && j[lock_trap] == TRAP_RUNNING;
    if (turning) {
        // The timer only counts while a disc turns and nothing has stopped it.
        j[lock_timer]++;
        draw_bmp(PIC_STOP, UI, 228, 52, 1, 0);
        if (pointer_in(START_BOX)) {
            j[cursor_pic] = PTR_STOP;
            if (j[lmb_down]) j[lock_trap] = TRAP_STOPPED;
        }
        return;
    }
    draw_bmp(PIC_START, UI, 228, 52, 1, 0);
    if (pointer_in(START_BOX) && state() == LOCK_SET_PICK) {
        j[cursor_pic] = PTR_START;
        if (j[lmb_down]) state() = LOCK_TURNING;
    }
}

void disc_list()
{
    draw_bmp(PIC_DISC_HEAD, UI, 164, 52, 1, 0);
    for (int i = 0; i <= last_disc(); i++) {
        draw_bmp(PIC_DISC_ROW, UI, 164, 68 + 16 * i, 1, 0);
        if (i < j[lock_disc]) wrt(192, 73 + 16 * i, VIEW_W, TX_CAUGHT, TF_LOCK, C_CAUGHT, 0, 1, 0);
        else
            wrt(192, 73 + 16 * i, VIEW_W, TX_PERCENT, TF_LOCK, resist(i) == 100 ? C_STUCK : C_TEXT, 0, 1, 1,
                resist(i));
    }
}

void force_button(float p)
{
    if (p >= 1 && state() == LOCK_DECIDE && j[lock_trap] != TRAP_FIRED && pointer_in(FORCE_BOX)) {
        draw_bmp(PIC_FORCE_LIT, UI, 228, 84, 1, 0);
        if (!released_in(FORCE_BOX)) return;
        int q = (int)p;
        chest_rec &c = chest[j[cur_chest]];
        if (jchnc(q)) {
            j[lock_outcome] = LOCK_OPENED;
            c.trap_state = LOCK_NONE;
        } else if (jchnc(100 - q)) {
            j[lock_outcome] = LOCK_HAS_JAMMED;
            c.trap_state = LOCK_JAMMED;
        } else {
            j[lock_outcome] = LOCK_FAILED;
        }
        state() = LOCK_RESULT;
        return;
    }
    draw_bmp(PIC_FORCE, UI, 228, 84, 1, 0);
}

// A fired trap leaves no chance to open, only the risk that the lock jams.
void trap_springs(float p)
{
    if (j[lock_trap] != TRAP_FIRED || state() != LOCK_DECIDE) return;
    if (jchnc(100 - (int)p)) {
        j[lock_outcome] = LOCK_HAS_JAMMED;
        chest[j[cur_chest]].trap_state = LOCK_JAMMED;
    } else {
        j[lock_outcome] = LOCK_FAILED;
    }
    state() = LOCK_RESULT;
}

// The discs still in the lock, the innermost last, each smaller and darker than
// the one before; after a catch they close up towards the rim.
void draw_discs()
{
    for (int i = last_disc();; i--) {
        bool moving = state() == LOCK_CAUGHT || state() == LOCK_CLOSING_UP;
        if (i < j[lock_disc] + (moving ? 1 : 0)) break;
        int k = i - j[lock_disc];
        float x = (float)k;
        if (state() == LOCK_CLOSING_UP) {
            x = k - f[lock_anim];
            // Once for every disc drawn: more discs close up faster.
            f[lock_anim] += (j[lock_disc] + 1) * 0.05f;
            if (f[lock_anim] > 1) {
                f[lock_anim] = 1;
                j[lock_disc]++;
                state() = j[lock_trap] != TRAP_RUNNING ? LOCK_DECIDE : LOCK_TURNING;
            }
        }
        draw_rottex(PIC_DISC, LOCK, DIAL_CX, DIAL_CY, 82 - 12 * x + 0.5f * x * x, angle(i), 4 * k + 3, 1, 0);
    }
}

// The caught disc swings up and out of the window.
void caught_disc()
{
    if (state() != LOCK_CAUGHT) return;
    float &a = f[lock_anim];
    draw_rottex(PIC_DISC, LOCK, 160 + 60 * std::cos(a), 100 + 60 * std::sin(a), 80, angle(j[lock_disc]) + a - PI, 3, 1,
                0);
    a += 0.024f - 0.12f * std::sin(a);
    if (a <= 5.5f) return;
    state() = LOCK_CLOSING_UP;
    a = 0;
    bool last = j[lock_disc] >= last_disc();
    if (last && j[lock_trap] == TRAP_RUNNING) {
        j[lock_disc]++;
        state() = LOCK_DECIDE;
        j[lock_trap] = TRAP_ALL_CAUGHT;
    } else if ((last && j[lock_trap] == TRAP_STOPPED) || j[lock_trap] == TRAP_FIRED) {
        j[lock_disc]++;
        state() = LOCK_DECIDE;
    }
}

void turning_disc()
{
    if (state() != LOCK_TURNING) return;
    if (j[lock_trap] != TRAP_RUNNING) state() = LOCK_DECIDE;
    // Every disc is caught before the state can turn past the last one; a save
    // made in between is the only way here without one.
    if (j[lock_disc] > last_disc()) return;
    float &a = angle(j[lock_disc]);
    a = wrap_turn(a + 0.12f - 0.015f * j[lock_disc]);
    float pick = f[lock_pick], dx = std::cos(pick) - std::cos(a), dy = std::sin(pick) - std::sin(a);
    if (dx * dx + dy * dy < 0.05f) {
        a = pick;
        state() = LOCK_CAUGHT;
        f[lock_anim] = PI;
    }
}

void draw_cover(float a) { draw_rottex(PIC_COVER, LOCK, 160 + 60 * std::cos(a), 100 + 60 * std::sin(a), 80, a - 4.71239f, 3, 1, 0); }

void cover()
{
    if (state() == LOCK_COVER || state() == LOCK_COVER_OPENING) {
        float &a = f[lock_anim];
        draw_cover(a);
        if (state() == LOCK_COVER_OPENING) {
            a += 0.005f - 0.06f * std::sin(a);
            if (a > 5.5f) state() = LOCK_SET_PICK;
        }
    }
    if (j[lock_trap] == TRAP_FIRED) {
        float &a = f[trap_anim];
        draw_cover(a);
        a -= 0.01f + 0.1f * std::sin(a / 2 - 1.57f);
        if (a < 3.141593f) a = 3.141593f;
    }
}

void dial_pointer()
{
    int mx = j[mouse_x], my = j[mouse_y];
    float dx = (float)(mx - (DIAL_CX + VIEW_X)), dy = (float)(my - (DIAL_CY + VIEW_Y));
    float d = std::sqrt(dx * dx + dy * dy);
    if (state() == LOCK_COVER && d < 65) {
        j[cursor_pic] = PTR_COVER;
        if (j[lmb_down]) state() = LOCK_COVER_OPENING;
    } else if (state() == LOCK_SET_PICK && d < 55) {
        draw_bmp(PIC_RING, UI, mx - 28, my - 28, 1, 0);
        draw_rottex(PIC_KNOB, LOCK, (float)(mx - 20), (float)(my - 20), 10, 4 * f[lock_pick], 2, 1, 0);
        if (j[lmb_held]) f[lock_pick] = wrap_turn(f[lock_pick] + 0.05f);
        if (j[rmb_held]) f[lock_pick] = wrap_turn(f[lock_pick] - 0.05f);
        j[cursor_pic] = PTR_SET_PICK;
    }
}

// Pixels the rotated pictures left uncovered take the mean light of their
// neighbours, so that the discs' edges show no holes.
void fill_gaps()
{
    for (int y = DIAL_LO; y <= DIAL_HI; y++)
        for (int x = DIAL_LO; x <= DIAL_HI; x++) {
            uint16_t &p = vs[y * VIEW_W + x];
            if (p != 0) continue;
            int r = 0, g = 0, b = 0;
            for (uint16_t n : {vs[y * VIEW_W + x - 1], vs[y * VIEW_W + x + 1], vs[(y - 1) * VIEW_W + x],
                               vs[(y + 1) * VIEW_W + x]}) {
                r += plat_getr(n);
                g += plat_getg(n);
                b += plat_getb(n);
            }
            auto ch = [](int v) { return v / 3 > 255 ? 255 : v / 3; };
            p = plat_makecol(ch(r), ch(g), ch(b));
        }
}

void close_button()
{
    bool may_close = state() == LOCK_COVER || state() == LOCK_DECIDE || state() == LOCK_RESULT;
    if (!may_close || !pointer_in(CLOSE_BOX)) {
        draw_bmp(PIC_CLOSE, UI, 260, 52, 1, 0);
        return;
    }
    draw_bmp(PIC_CLOSE_LIT, UI, 260, 52, 1, 0);
    if (!released_in(CLOSE_BOX)) return;
    state() = LOCK_CLOSED;
    if (j[lock_outcome] == LOCK_OPENED) j[chest_items_req] = 1;
}

}  // namespace

float lock_chance()
{
    float p = 1;
    for (int i = j[lock_disc]; i <= last_disc(); i++) p *= (100 - resist(i)) / 100.0f;
    return 100 * p;
}

void do_lock()
{
    int c = j[cur_chest];
    if (c < 0 || c >= CHEST_COUNT || !chest[c].in_use) {
        state() = LOCK_CLOSED;
        return;
    }
    if (state() == LOCK_SET_UP) set_up(chest[c]);

    clear_dial();
    draw_bmp(PIC_TIMER, UI, 164, 36, 1, 0);
    do_timer();
    start_stop_button();
    disc_list();
    float p = lock_chance();
    force_button(p);
    // Written after the button, whose picture holds the field the chance shows in.
    wrt(268, 102, VIEW_W, TX_PERCENT, TF_LOCK, C_TEXT, 0, 1, 1, (int)p);
    trap_springs(p);
    draw_discs();
    caught_disc();
    turning_disc();
    cover();
    draw_pic(PIC_FRAME, LOCK, DIAL_LO, DIAL_LO, 1, 0);
    draw_rottex(PIC_PICK, LOCK, DIAL_CX, DIAL_CY, 84, f[lock_pick], 2, 1, 0);
    dial_pointer();
    fill_gaps();
    if (j[lock_outcome] >= LOCK_OPENED && j[lock_outcome] <= LOCK_HAS_JAMMED)
        draw_bmp(PIC_OPENED + j[lock_outcome] - LOCK_OPENED, UI, 36, 84, 1, 0);
    close_button();
}

}  // namespace hm
