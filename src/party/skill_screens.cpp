// skill_screens.cpp -- the skill list, the skill information box with its raise button, and the attribute window
#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/battle_panel.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int SKILL_TEXTS = 10;   // text 2s: skill s's name and level, 2s + 1: its description
constexpr int POINT_TEXTS = 11;   // text 0: skill points and the cost of a raise
constexpr int ATTR_TEXTS = 13;    // texts 0..7 of the attribute window
constexpr int LIST_LINES = 10;
constexpr int LIST_STEP = 10;     // pixels from line to line
constexpr int C_TEXT = 137, C_HOVER = 16, C_RULE_LIGHT = 146, C_RULE_DARK = 140;
constexpr int C_FLASH = 75, C_POINTS = 146;
constexpr int C_ATTR = 141, C_ATTR_POINTS = 143, C_ATTR_HELP = 142;
constexpr int PIC_CLOSE = 101;
constexpr int PIC_INFO_BOX = 99, PIC_LIST = 104, PIC_LIST_TOP = 107, PIC_LIST_BOTTOM = 108;
constexpr int PIC_ARROW_UP = 109, PIC_ARROW_DOWN = 110;
constexpr int PIC_POINTS_BOX = 111, PIC_RAISE = 112, PIC_RAISE_HELD = 113;
constexpr int PIC_ATTR_RAISE_LIT = 123, PIC_ATTR_RAISE = 126, PIC_ATTR_GLOW = 127;
constexpr int FLASH_START = 250, FLASH_STEP = 20;
constexpr int ARROW_HOLD = 5;     // frames the arrow is held before it repeats

int shown()
{
    int m = j[shown_member];
    return m >= 0 && m < PARTY_SIZE && p1cr[m].in_use ? m : -1;
}

bool close_spot(int x, int y) { return within(x, y, 261, 281, 200, 230); }

// The skill's name with its level, and its description with its values, into the view.
void skill_texts(int s, int level, const int v[3], int fg, int target)
{
    wrt(40, 40, 340, 2 * s, SKILL_TEXTS, fg, 0, target, 1, level);
    int name_w = j[text_w];
    if (target == 1) {
        const int shades[3] = {C_RULE_LIGHT, C_TEXT, C_RULE_DARK};
        for (int r = 0; r < 3; r++) j_line(40, 48 + 2 * r, 40 + name_w, 48 + 2 * r, shades[r]);
    }
    wrt(40, 54, 260, 2 * s + 1, SKILL_TEXTS, fg, 0, target, 3, v[0], v[1], v[2]);
}

// Skill values as the information box shows them: the chance-like skills take
// the initiative of the member's own creature.
void skill_values(int m, int s, int level, int v[3])
{
    if (s == 6 || s == 11 || s == 14) {
        int tmp = 0;
        int c = member_stand_in(m, &tmp);
        v[0] = skv_at(s, level, c >= 0 ? CRT[c].initiative : 0);
        v[1] = v[2] = 0;
        if (tmp) free_tmp_crt(c);
        return;
    }
    for (int w = 0; w < 3; w++) v[w] = skv_at(s, level, w);
}

void draw_list(const p1cr_rec &p, int top, int o)
{
    auto name_at = [&](int en, int y, int fg, int target) {
        if (en < 0 || en >= SKILL_ENTRIES || !p.skills[en].known) return false;
        wrt(60, y, 360, 2 * p.skills[en].skill_id, SKILL_TEXTS, fg, 0, target, 1, p.skills[en].sk_level);
        return true;
    };
    const bool rest = j[skill_list_state] == 1 && o == 0 && p.skscr_b == 0;
    const int mx_ = j[mouse_x], my_ = j[mouse_y];
    for (int k = 0; k < LIST_LINES; k++) {
        int y = 85 + LIST_STEP * k + o, target = 1;
        if (k == 0 && o < 0) target = -20 * o + 3;
        if (k == LIST_LINES - 1 && o > 0) target = 20 * o + 3;
        bool hover = rest && within(mx_, my_, 80, 268, 105 + LIST_STEP * k, 115 + LIST_STEP * k);
        if (!name_at(top + k, y, hover ? C_HOVER : C_TEXT, target) || target != 1) continue;
        j_line(60, 84 + LIST_STEP * k + o, 247, 84 + LIST_STEP * k + o, C_RULE_LIGHT);
        j_line(60, 93 + LIST_STEP * k + o, 247, 93 + LIST_STEP * k + o, C_RULE_DARK);
    }
    if (o < 0) name_at(top + LIST_LINES, 185 + o, C_TEXT, 20 * (10 + o) + 3);
    if (o > 0) name_at(top - 1, 75 + o, C_TEXT, 20 * (10 - o) + 3);
}

void scroll_list(p1cr_rec &p)
{
    int &top = p.skscr_a, &v = p.skscr_b, &o = p.skscr_c;
    o -= 2 * v;
    if (v == 0) o += o < 0 ? 1 : o > 0 ? -1 : 0;
    if (o < -10) {
        o = 0;
        v -= 1;
        top += 1;
    }
    if (o > 10) {
        o = 0;
        v += 1;
        top -= 1;
    }
    const int x = j[mouse_x], y = j[mouse_y];
    const bool held = j[lmb_held] && j[lmb_frames] > ARROW_HOLD;
    const bool repeat = held && j[frame_count] % 2 == 0;
    if (within(x, y, 65, 80, 125, 155)) {
        if (held || j[lmb_up]) draw_bmp(PIC_ARROW_UP, UI_GROUP, 45, 105, 1, 0);
        if (j[lmb_up] || repeat) v -= 1;
    }
    if (within(x, y, 65, 80, 154, 182)) {
        if (held || j[lmb_up]) draw_bmp(PIC_ARROW_DOWN, UI_GROUP, 45, 134, 1, 0);
        if (j[lmb_up] || repeat) v += 1;
    }
    if (top + v < 0) v = -top;
    if (top + v > SKILL_ENTRIES) v = 0;
}

// The attribute window's raise highlight: the line raised, fading over 30 frames.
int attr_glow = 0;

}  // namespace

void skills_main()
{
    int m = shown();
    if (m < 0) j[skill_list_state] = 0;
    if (j[skill_info_open] && j[skill_list_state] == 1) j[skill_list_state] = 2;
    const int x = j[mouse_x], y = j[mouse_y];
    if (m >= 0 && j[lmb_up] && x > 442 && x < 490 && y < 16) {
        if (j[skill_list_state] == 1) {
            j[skill_list_state] = 0;
        } else {
            j[skill_list_state] = 1;
            j[skill_info_open] = 0;
        }
        update_scr();
    }
    if (j[skill_list_state] != 1 || m < 0) return;
    p1cr_rec &p = p1cr[m];
    if (j[lmb_up] && close_spot(x, y)) {
        j[lmb_up] = 0;
        j[skill_list_state] = 0;
        update_scr();
        return;
    }
    draw_bmp(PIC_LIST, UI_GROUP, 20, 20, 1, 0);
    draw_list(p, p.skscr_a, p.skscr_c);
    if (p.skscr_b == 0 && p.skscr_c == 0 && j[lmb_up]) {
        for (int k = 0; k < LIST_LINES; k++) {
            int en = p.skscr_a + k;
            // Only a line that shows a skill opens the box: past entry 49 lies other data.
            if (!within(x, y, 80, 268, 105 + LIST_STEP * k, 115 + LIST_STEP * k) || en < 0 ||
                en >= SKILL_ENTRIES || !p.skills[en].known)
                continue;
            j[lmb_up] = 0;
            j[skills_member] = m;
            j[skills_entry] = en;
            j[skill_info_open] = 1;
            j[skill_list_state] = 2;
            return;
        }
    }
    draw_bmp(PIC_LIST_TOP, UI_GROUP, 59, 73, 1, 0);
    draw_bmp(PIC_LIST_BOTTOM, UI_GROUP, 59, 190, 1, 0);
    draw_bmp(PIC_CLOSE, UI_GROUP, 241, 180, 1, 0);
    scroll_list(p);
}

void skill_stats()
{
    j[skill_flash] = j[skill_flash] > FLASH_STEP ? j[skill_flash] - FLASH_STEP : 0;
    if (shown() < 0) j[skill_info_open] = 0;
    if (!j[skill_info_open]) return;
    const int m = j[skills_member], en = j[skills_entry];
    if (m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use || en < 0 || en >= SKILL_ENTRIES || !p1cr[m].skills[en].known) {
        j[skill_info_open] = 0;
        if (j[skill_list_state] == 2) j[skill_list_state] = 1;
        return;
    }
    p1cr_rec &p = p1cr[m];
    skill_rec &r = p.skills[en];
    const int x = j[mouse_x], y = j[mouse_y];
    int level = r.sk_level;
    if (j[skill_list_state] == 2) {
        draw_bmp(PIC_POINTS_BOX, UI_GROUP, 286, 70, 1, 0);
        wrt(308, 82, 400, 0, POINT_TEXTS, C_POINTS, 0, 1, 2, p.skill_points, get_sp_needed(m, en));
        bool over = within(x, y, 340, 372, 130, 162);
        if (over && j[lmb_held]) {
            draw_bmp(PIC_RAISE_HELD, UI_GROUP, 320, 110, 1, 0);
            level += 1;
        } else {
            draw_bmp(PIC_RAISE, UI_GROUP, 320, 110, 1, 0);
        }
        if (over && j[lmb_up] && get_sp_needed(m, en) <= p.skill_points) {
            p.skill_points -= get_sp_needed(m, en);
            r.sk_level += 1;
            level = r.sk_level;
            j[skill_flash] = FLASH_START;
            update_scr();
        }
    }
    if (j[lmb_up] && close_spot(x, y)) {
        j[skill_info_open] = 0;
        j[lmb_up] = 0;
        if (j[skill_list_state] == 2) j[skill_list_state] = 1;
        return;
    }
    int v[3];
    skill_values(m, r.skill_id, level, v);
    draw_bmp(PIC_INFO_BOX, UI_GROUP, 20, 20, 1, 0);
    draw_bmp(PIC_CLOSE, UI_GROUP, 241, 180, 1, 0);
    skill_texts(r.skill_id, level, v, C_TEXT, 1);
    if (j[skill_flash] > 0) skill_texts(r.skill_id, level, v, C_FLASH, 253 - j[skill_flash]);
}

void attributes_main()
{
    int m = shown();
    if (m < 0) j[attr_open] = 0;
    const int x = j[mouse_x], y = j[mouse_y];
    if (m >= 0 && j[lmb_up] && x > 490 && x < 570 && y < 16) {
        j[attr_open] = j[attr_open] ? 0 : 1;
        update_scr();
    }
    if (!j[attr_open] || m < 0) return;
    p1cr_rec &p = p1cr[m];
    draw_tbox(80, 60, 275, 120, 2);
    const int32_t *a = p.attr;   // Ak: base in 2k, current in 2k + 1
    wrt(90, 80, 400, 0, ATTR_TEXTS, C_ATTR, 0, 1, 10, a[1], a[0], a[3], a[2], a[5], a[4], a[7], a[6], a[9], a[8]);
    wrt(230, 70, 400, 1, ATTR_TEXTS, C_ATTR_POINTS, 0, 1, 1, p.attr_points);
    draw_bmp(PIC_CLOSE, UI_GROUP, 335, 152, 1, 0);
    if (j[lmb_up] && within(x, y, 355, 375, 172, 200)) {
        j[lmb_up] = 0;
        j[attr_open] = 0;
        update_scr();
        return;
    }
    // Lines are 18 pixels apart from screen row 98; above the first nothing is meant.
    const int row = y >= 98 ? (y - 98) / 18 : -1, in_row = y >= 98 ? (y - 98) % 18 : -1;
    if (x > 110 && x < 200 && row >= 0 && row <= 5) wrt(210, 95, 300, row + 2, ATTR_TEXTS, C_ATTR_HELP, 0, 1, 0);   // wraps inside the box
    for (int k = 0; k < ATTR_COUNT; k++) {
        bool lit = x > 215 && x < 227 && in_row >= 0 && in_row < 12 && row == k && p.attr_points > 0;
        draw_bmp(lit ? PIC_ATTR_RAISE_LIT : PIC_ATTR_RAISE, UI_GROUP, 195, 78 + 18 * k, 1, 0);
        if (lit && j[lmb_up]) {
            j[lmb_up] = 0;
            p.attr_points -= 1;
            p.attr[2 * k] += 1;
            attr_glow = 32 * (k + 1) - 1;
            update_scr();
        }
    }
    if (attr_glow != 0) {
        draw_bmp(PIC_ATTR_GLOW, UI_GROUP, 88, 78 + 18 * (attr_glow / 32), 1, 255 - 8 * (attr_glow % 32));
        attr_glow -= 1;
        if (attr_glow % 32 == 1) attr_glow = 0;
    }
}

}  // namespace hm
