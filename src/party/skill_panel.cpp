// skill_panel.cpp -- the battle panel's skill page: choosing a skill, its cost and uses, the use and information buttons
#include "battle/battle.h"
#include "core/core.h"
#include "data/data.h"
#include "party/battle_panel.h"
#include "party/party.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int SKILL_ICONS = 9;    // picture group of the skill icons
constexpr int C_COST = 46, C_COST_SHORT = 8, C_USES = 46;
constexpr int T_USES_LEFT = 3;    // text 3 of file 0: "^ left"

bool uses_left(const skill_rec &r) { return r.max_casts == -1 || r.casts < r.max_casts; }

// The member whose panel acts now: shown, in battle, with its creature on the turn.
int acting_member()
{
    int m = j[shown_member];
    if (!j[battle_on] || m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use) return -1;
    int c = member_crt(m);
    return c >= 0 && c == j[cur_crt] ? m : -1;
}

}  // namespace

void bat_sk_controls()
{
    int m = acting_member();
    if (m < 0 || !j[lmb_up]) return;
    p1cr_rec &p = p1cr[m];
    const int x = j[mouse_x], y = j[mouse_y];
    bool changed = false;
    // Any page but the belt's is the skill page (a record may come with none set).
    const bool skill_page = p.skill_mode != 2;
    if (skill_page && within(x, y, 530, 620, 250, 270)) {
        p.skill_mode = 2;
        p.belt_sel = -1;
        changed = true;
    } else if (!skill_page && within(x, y, 440, 530, 250, 270)) {
        p.skill_mode = 1;
        p.sel_skill = -1;
        changed = true;
    } else if (skill_page) {
        int en = p.sel_skill;
        bool chosen = en >= 0 && en < SKILL_ENTRIES && p.skills[en].known && !p.skills[en].passive;
        if (chosen && on_use_button(x, y)) {
            const skill_rec &r = p.skills[en];
            if (uses_left(r) && find_mana_cost(r.skill_id, r.sk_level) <= CRT[member_crt(m)].mana) j[bat_sk_on] = 1;
            changed = true;
        } else if (chosen && within(x, y, 568, 601, 293, 310)) {
            j[skill_info_open] = 1;
            j[skills_member] = m;
            j[skills_entry] = en;
            changed = true;
        } else if (int k = grid_place(x, y); k >= 0) {
            p.sel_skill = battle_skill_entry(m, k);
            changed = true;
        }
    }
    if (changed) update_scr();
}

void draw_skills()
{
    int m = j[shown_member];
    if (m < 0 || m >= PARTY_SIZE || !p1cr[m].in_use) return;
    const p1cr_rec &p = p1cr[m];
    draw_bmp_scr(p.skill_mode == 2 ? PIC_TABS_ITEMS : PIC_TABS_SKILLS, UI_GROUP, 440, 250, 1);
    if (p.skill_mode == 2) {
        draw_bat_it();
        return;
    }
    draw_bmp_scr(PIC_PANEL_BODY, UI_GROUP, 440, 270, 1);
    draw_bmp_scr(PIC_USE_OFF, UI_GROUP, 569, 278, 1);
    int count = 0;
    for (int k = 0; k < SKILL_GRID; k++) {
        int en = battle_skill_entry(m, k);
        if (en < 0) break;
        count++;
        int x = 454 + place_dx(k), y = 276 + place_dy(k);
        if (en == p.sel_skill) draw_bmp_scr(PIC_PLACE_MARK, UI_GROUP, x, y, 1);
        draw_bmp_scr(p.skills[en].skill_id, SKILL_ICONS, x, y, 1);
    }
    for (int k = count; k < SKILL_GRID; k++) draw_bmp_scr(PIC_PLACE_EMPTY, UI_GROUP, 453 + place_dx(k), 275 + place_dy(k), 1);

    int en = p.sel_skill, c = member_crt(m);
    if (en < 0 || en >= SKILL_ENTRIES || !p.skills[en].known || p.skills[en].passive) return;
    const skill_rec &r = p.skills[en];
    int cost = find_mana_cost(r.skill_id, r.sk_level);
    bool short_of_mana = c < 0 || CRT[c].mana < cost;
    draw_bmp_scr(PIC_COST_BOX, UI_GROUP, 561, 358, 1);
    wnum(570, 362, cost, short_of_mana ? C_COST_SHORT : C_COST, 0, 2);
    if (!short_of_mana && uses_left(r)) draw_bmp_scr(PIC_USE, UI_GROUP, 569, 278, 1);
    if (r.max_casts != -1) {
        draw_bmp_scr(PIC_USES_BOX, UI_GROUP, 561, 318, 1);
        wrt(580, 322, SCR_W, T_USES_LEFT, 0, C_USES, 0, 2, 1, r.max_casts - r.casts);
    }
    draw_bmp_scr(PIC_INFO, UI_GROUP, 569, 294, 1);
}

}  // namespace hm
