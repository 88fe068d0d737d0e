// main_loop.cpp -- start-up, the title-and-play loop and the frame
#include <cmath>
#include <cstring>
#include <string>

#include "battle/battle.h"
#include "battle/panels.h"
#include "chests/chests.h"
#include "core/core.h"
#include "core/settings.h"
#include "data/data.h"
#include "data/screenshots.h"
#include "editor/editor.h"
#include "flow/flow.h"
#include "items/items.h"
#include "party/party.h"
#include "story/story.h"
#include "world/world.h"

namespace hm {

namespace {

constexpr int FRAME_MS = 24;
constexpr float SCROLL_ACCEL = 0.8f;
constexpr float DEAD_ZONE = 0.1f;
constexpr float LOOK_AHEAD = 1.4f;
constexpr float DAMPING = 0.9f;
constexpr int PLAY_NOTES = 15;   // text file of the play screen's notes: screenshot saved, or not

void keep_pointer_in_view()
{
    if (j[mouse_y] > 270) my = 270;
    if (j[mouse_y] < 10) my = 10;
    if (j[mouse_x] > 430) mx = 430;
    if (j[mouse_x] < 10) mx = 10;
}

void arrow_keys()
{
    if (keyr[K_LEFT] == EDGE_HELD) f[cam_vx] -= SCROLL_ACCEL;
    if (keyr[K_RIGHT] == EDGE_HELD) f[cam_vx] += SCROLL_ACCEL;
    if (keyr[K_UP] == EDGE_HELD) f[cam_vy] -= SCROLL_ACCEL;
    if (keyr[K_DOWN] == EDGE_HELD) f[cam_vy] += SCROLL_ACCEL;
}

// With the right button held, the view's edges scroll (it covers 20..419 x 20..259).
void edge_scroll()
{
    if (!j[rmb_held]) return;
    if (j[mouse_x] <= 20) f[cam_vx] -= SCROLL_ACCEL;
    if (j[mouse_x] > 419) f[cam_vx] += SCROLL_ACCEL;
    if (j[mouse_y] <= 20) f[cam_vy] -= SCROLL_ACCEL;
    if (j[mouse_y] > 259) f[cam_vy] += SCROLL_ACCEL;
}

bool moving(float v) { return v > DEAD_ZONE || v < -DEAD_ZONE; }

void move_camera()
{
    if ((moving(f[cam_vx]) &&
         cfgoos((int)(f[cam_fx] + f[cam_vx] * LOOK_AHEAD), (int)f[cam_fy], j[free_camera])) ||
        j[editor_on])
        f[cam_fx] += f[cam_vx];
    if ((moving(f[cam_vy]) &&
         cfgoos((int)f[cam_fx], (int)(f[cam_fy] + f[cam_vy] * LOOK_AHEAD), j[free_camera])) ||
        j[editor_on])
        f[cam_fy] += f[cam_vy];
    f[cam_vx] *= DAMPING;
    f[cam_vy] *= DAMPING;
    if (j[free_camera] == 0) move_to_mcr();
    if (settings.follow_camera && j[free_camera] == 0) follow_leader();
    j[cam_x] = (int)f[cam_fx];
    j[cam_y] = (int)f[cam_fy];
    if (j[shake]) {
        j[cam_x] += random() % 3 - 1;
        j[cam_y] += random() % 3 - 1;
        j[shake] = 0;
    }
}

// The battle's turn to run in this frame: nothing holds the game.
bool battle_may_run()
{
    return !j[crt_busy] && !j[bat_sk_on] && !j[bat_it_on] && !j[skill_info_open] && !j[editor_on] && !j[mes_showing];
}

// The leader walks by mouse only on the bare map.
bool walking_allowed()
{
    return j[edit_layer] == 5 && !j[editor_on] && !j[talk_state] && !j[battle_on] && !j[loot_state] &&
           !j[chest_screen] && !j[chest_busy] && !j[skill_info_open] && !j[skill_list_state] && !j[attr_open] &&
           !j[lev_up_show] && !j[mes_showing] && !j[party_hold] && j[ptr_crt] == -1;
}

// The C key shows the column and row of the cell under the pointer.
void cell_readout()
{
    if (!keyr[K_C]) return;
    wrt(5, 5, 400, 0, 4, 17, 0, 1, 2, j[mouse_cell] % MAP_W, j[mouse_cell] / MAP_W);
    display_chest_information(5, 25);
}

void start_play_music()
{
    plat_destroy_midi(the_music);
    the_music = plat_load_midi("m2.mid");
    plat_play_midi(the_music, true);
}

}  // namespace

int graph()
{
    return plat_init_graphics();
}

void p_scr()
{
    // The note is queued after the shot, so the shot never shows it.
    bool saved = plat_save_screen("pscr.bmp") == 0;
    save_png_shot();
    new_message(1, -1, saved ? 0 : 1, PLAY_NOTES, 15, 0, 0, 0, 0, "");
}

int play_frame(int &exit_code)
{
    std::memset(vs, 0, sizeof(uint16_t) * VIEW_W * VIEW_H);
    j[hilite_cell] = -1;
    if (battle_may_run()) battle();
    if (j[bat_sk_on] && j[shown_member] >= 0 && j[shown_member] < P1CR_COUNT &&
        j[cur_crt] == p1cr[j[shown_member]].crt && !j[skill_info_open] && !j[mes_showing])
        use_bat_sk();
    leave_level_chk();
    battle_end_chk();
    autosave_at_level_change();
    find_new_mcr();
    set_grs();
    do_keyr();
    crtr_main();
    eqp_controls();
    stats_controls();
    other_controls();
    istk_controls();
    crtbox_controls();
    if (!j[bat_it_on]) bat_sk_controls();
    if (!j[bat_sk_on]) bat_it_controls1();
    if (!j[bat_sk_on]) bat_it_controls2();
    do_anis();
    mouse_stuff();
    if (j[rmb_held]) keep_pointer_in_view();
    if (walking_allowed()) main_p1cr_walk();
    clear_roof();

    if (plat_close_requested() || progress_keys()) exit_code = EXIT_QUIT;
    if (keyr[K_TAB] == EDGE_RELEASED) wmap_from_play();
    arrow_keys();
    editor_controls();
    if (keyr[K_SPACE] == EDGE_RELEASED) j[grid_on] = j[grid_on] == 1 ? 0 : 1;
    if (keyr[K_P] == EDGE_RELEASED) p_scr();
    if (keyr[K_W] == EDGE_RELEASED) npc_walk_to(2, 30, 52, 500, 1);
    edge_scroll();
    move_camera();

    set_us();
    do_gr_light();
    draw_all();
    do_grndanis(0);
    do_sht();
    // The award and the loot screen wait while the level-up box is up.
    if (j[lev_up_show] == 0) exp_and_items();
    npc_stuff1();
    show_messages();
    chest_main();
    skills_main();
    attributes_main();
    skill_stats();
    do_lev_ups();
    draw_scraps();
    draw_progress_note();
    draw_editor_note();
    game_over_fade(&exit_code);
    draw_bmp(j[cursor_pic], 8, mx - VIEW_X, my - VIEW_Y, 1, 0);
    if (j[ptr_note_on]) {
        wrt(j[mouse_x] - 20, j[mouse_y] - 28, 640, 4, 0, 17, 0, 1, 1, j[ptr_note_val]);
        j[ptr_note_on] = 0;
    }
    draw_mouse(omx, omy, mx, my);
    cell_readout();
    draw_scrolling_arrow();

    wait_frame(FRAME_MS);
    check_for_video_clear();
    fscr();
    // The story runs here, and moves the NPCs it sent walking.
    events_main();
    scraps();
    do_light_time(0);
    mouse_ptr();
    return exit_code;
}

int hollowmere_main()
{
    mx = my = omx = omy = 10;
    plat_window_wish(settings.scale, settings.fullscreen != 0);
    if (graph() != 0) {
        // Every frame writes to the screen: without one there is nothing to run.
        plat_message((std::string("Error setting graphics mode\n") + plat_error() + "\n").c_str());
        return 1;
    }
    if (plat_init_sound() != 0) {
        plat_message((std::string("Error initialising sound system\n") + plat_error() + "\n").c_str());
        return 1;
    }
    plat_init_mouse();
    plat_music_volume(settings.music_volume);
    init_mem();
    plat_install_tick(inc_jtimer);
    load_jpal(0, 0, 0);
    load_swad();
    clear_keyr();
    // The first draw of the unseeded generator, as the original start-up did.
    srandom((uint32_t)((plat_time() % 8000) * (random() % 200) * 13));
    load_swad();
    load_pic_dat();
    init_wrt_data();

    for (;;) {
        if (start_main() == -1) break;
        if (j[game_begun] == 0) {
            new_flash(256, -56, -56, -56);
            new_message(1, 5, 0, 14, 16, 0, 0, 0, 0, "Narrator");
            make_level(1, 4, 26, 78);
            j[game_begun] = 150;
        } else {
            enter_saved_game();
        }
        begin_progress();
        j[free_camera] = 0;
        start_play_music();
        j[edit_loaded] = 0;
        int exit_code = EXIT_NONE;
        while (exit_code == EXIT_NONE) play_frame(exit_code);
        // EXIT_TITLE, after the party has fallen, goes back to the title.
        if (exit_code == EXIT_QUIT) break;
    }

    plat_destroy_midi(the_music);
    the_music = 0;
    delete_mem();
    return 0;
}

}  // namespace hm
