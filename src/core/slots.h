// slots.h -- the named slots of the state tables j and f
//
// Slot numbers are stored in save files: never renumber one.
#pragma once

#define J_SLOTS(X) \
    X(cam_x, 0) /* camera x in map pixels (truncated copy of f cam_fx), left edge of the 400x240 view */ \
    X(cam_y, 1) /* camera y in map pixels (truncated copy of f cam_fy), top edge of the view */ \
    X(grndani_tick, 2) /* ground-animation tick counter advanced by do_grndanis */ \
    X(edit_layer, 3) /* editor layer being painted: 1 ground, 2 second ground, 3 object (ls), 4 roof, 5 none (play); make_level sets 5 */ \
    X(edit_pic, 4) /* picture number the editor paints with */ \
    X(mouse_x, 5) /* copy of mx made by mouse_stuff each frame (0..640) */ \
    X(mouse_y, 6) /* copy of my made by mouse_stuff each frame (0..400) */ \
    X(mouse_cell, 7) /* map cell index (row*100+column) under the pointer, set by clear_roof */ \
    X(mouse_cell_new, 8) /* set by clear_roof: 1 when the cell under the pointer differs from last frame, 0 when the same, -1 when the pointer is outside the view */ \
    X(lmb_down, 10) /* 1 in the frame the left button went down (mb1==1) */ \
    X(rmb_down, 11) /* 1 in the frame the right button went down (mb2==1) */ \
    X(lmb_up, 12) /* 1 in the frame the left button was released (mb1==2); consumers clear it */ \
    X(rmb_up, 13) /* 1 in the frame the right button was released (mb2==2) */ \
    X(lmb_held, 14) /* 1 from left press until left release */ \
    X(rmb_held, 15) /* 1 from right press until right release; while set the pointer is confined to the view and edge scrolling works */ \
    X(placing_crt, 17) /* battle set-up (stage 3): party creature picked up to be moved to another start cell, -1 none */ \
    X(frame_count, 18) /* counter advanced once per frame by scraps; animates the pointer */ \
    X(hilite_cell, 19) /* cell marked with ground picture 19 in this frame (battle target under the pointer); the main loop resets it to -1 at the start of each frame */ \
    X(level_no, 20) /* number of the level being played (l<N>.txt) */ \
    X(spawner_tick, 21) /* frame counter 0..49 of do_crt_spawners; spawners are tested when it is 0 */ \
    X(battle_stage, 22) /* battle phase: 0 none, 1 requested, 2..5 setting up/running (5 = running); set to 1 by a spawner or a hostile conversation */ \
    X(cur_crt, 26) /* creature (CRT index) whose battle turn it is, -1 none */ \
    X(ptr_in_view, 27) /* 1 while the pointer is inside the 400x240 map view (screen x 20..419, y 20..259), set by scraps */ \
    X(aim_crt, 28) /* foe under the pointer that the current creature can strike or shoot this turn, -1 none */ \
    X(strike_crt, 29) /* foe picked for a melee strike, waiting for the click on the cell to strike from, -1 none */ \
    X(crt_busy, 30) /* 1 in a frame where some creature walks, strikes or dies or a missile flies; the battle logic waits while set */ \
    X(left_view, 31) /* pointer edge state set by scraps: -1 while in the map view, 1 in the frame it leaves the view, then 0 */ \
    X(grid_on, 32) /* toggled by the space key; draw_grnd/draw_grnd2 draw the cell grid when 1 */ \
    X(shot_on, 33) /* 1 while a missile is in flight */ \
    X(shot_fly_pic, 34) /* picture of the missile in flight (the shooter's shot_pic) */ \
    X(battle_on, 35) /* 1 while a battle is on and every party member stands on the map as a creature (place_p1cr sets it); 0 = only the leader has a creature */ \
    X(shown_member, 36) /* party member (p1cr index) whose sheet, inventory, belt and skills the panels show */ \
    X(leader, 37) /* party member (p1cr index) who walks the map outside battle; the only member with a creature then */ \
    X(istk_shown, 38) /* item stack (ISTK index) shown by the inventory screen, -1 = screen closed; 3 = goods of the NPC being talked to */ \
    X(istk_scroll, 39) /* first list position shown by the inventory screen (moves in steps of 5) */ \
    X(istk_sel, 40) /* item record selected in the inventory screen, -1 none */ \
    X(istats_open, 41) /* 1 while the item statistics box of the inventory screen is shown */ \
    X(shot_launch, 42) /* 1 from the moment a creature looses its missile until the missile lands (the shooter's strike waits) */ \
    X(name_edit, 43) /* 1 while a party member's name is being edited on the sheet (stats_controls) */ \
    X(focus_cell, 44) /* cell (x + 100*y) of the creature the roof logic follows, from last frame */ \
    X(focus_moved, 45) /* 1 when focus_cell changed this frame (roofs are then recomputed) */ \
    X(cursor_pic, 46) /* picture (group 8) drawn as the mouse pointer */ \
    X(eqp_member, 47) /* party member whose equipment slot is being filled from stack 2 */ \
    X(eqp_slot_sel, 48) /* equipment slot being filled from stack 2 */ \
    X(wmap_cx, 50) /* world-map view offset x, 0..239 */ \
    X(wmap_cy, 51) /* world-map view offset y, 0..159 */ \
    X(turn_shown, 52) /* party creature whose turn the side panel last showed (scraps refreshes the panel once per party turn) */ \
    X(crtbox_first, 53) /* number of listed creatures scrolled past at the top of the creature list */ \
    X(crtbox_on, 54) /* 1 while the creature list (crtbox) is shown on the side panel; set at battle stage 2 and by scraps, cleared at victory */ \
    X(box_crt, 55) /* CRT index of the creature shown in the detail box: set to the leader's creature at level entry and after a battle, or the creature picked in the list or right-clicked; draw_all draws it again see-through over everything */ \
    X(crtbox_page, 56) /* page of the creature detail box: 1 statistics, 2 conditions */ \
    X(loot_state, 57) /* end-of-battle award and loot screen: battle_end_chk sets 4; exp_and_items counts it down, awards at 2, shows the loot at 1, 0 = done */ \
    X(loot_spawner, 58) /* creature spawner (crt_spawner record) whose creatures the battle was with; its item list drops loot at the end, -1 none */ \
    X(carry_cap, 59) /* carrying capacity of the party inventory (2000 at a new game) */ \
    X(battle_exp, 60) /* experience gathered in the current battle, shared out at its end */ \
    X(battle_gold, 61) /* gold gathered in the current battle, added to gold at its end */ \
    X(gold, 62) /* the party's gold */ \
    X(swad_used, 64) /* bytes of swad filled by add_pic since load_swad */ \
    X(swinf_used, 65) /* SWINF entries filled by add_pic since load_swad */ \
    X(ptr_crt, 66) /* creature under the pointer (sellect_crt), -1 none, set by scraps */ \
    X(bat_sk_on, 67) /* 1 while a chosen battle skill waits for its target */ \
    X(sk_frame, 68) /* frame counter of the battle skill effect in progress: 0 idle, 1 on the click that fires it, +1 per frame until the effect ends */ \
    X(sk_target, 69) /* target of the firing skill: a creature index (target kinds 1..5) or a cell x+100y (kinds 6..13) */ \
    X(shot_cell, 70) /* map cell under the flying missile (set by do_sht); the scene draws the missile with this cell */ \
    X(acting_crt, 71) /* last CRT index (not a bystander) that is walking, striking or busy this frame, -1 none (clear_roof) */ \
    X(free_camera, 72) /* 1 = the camera is not pulled towards the creature of interest and may scroll away from the party (cfgoos then only keeps the view on the map); set by the editor, toggled there with M */ \
    X(light_now, 73) /* current light level of the level, set by do_light_time */ \
    X(text_w, 74) /* width in pixels of the text last laid out by wrt/wrt_around_box (widest line) */ \
    X(text_h, 75) /* height of the text last laid out: y of its last line minus its first line's y */ \
    X(game_begun, 78) /* 0 on a new game: the main loop then shows the opening and makes level 4; set to 150 after */ \
    X(minute_tick, 79) /* frames counted by do_light_time towards the next game minute (0..59) */ \
    X(game_time, 80) /* total game minutes (+1 every 60 calls of do_light_time); event time stamps; 30 at a new game */ \
    X(hour, 81) /* total game hours (+1 every 60 game minutes); hour of day = hour % 24; 11 at a new game */ \
    X(day, 82) /* game days: +1 whenever hour reaches a multiple of 24 */ \
    X(battle_x, 83) /* column of the leader's cell when the battle began (centre of the start area) */ \
    X(battle_y, 84) /* row of the leader's cell when the battle began */ \
    X(talk_state, 85) /* conversation state machine of talk_to_npc: 0 idle, 1 walking to the NPC, 2 greeting, 3 choosing an answer, 4 NPC replies, 5 trading, 6 hostile last word, 7 start the fight */ \
    X(talk_crt, 86) /* creature (CRT index) of the NPC being talked to */ \
    X(talk_npc, 87) /* npc record being talked to (also read by the shop screen) */ \
    X(talk_answer, 88) /* speech entry chosen in the current conversation */ \
    X(battle_spawner, 89) /* crt_spawner record whose trigger began the current battle (its cell is the battle centre) */ \
    X(cata_class, 91) /* item class shown by the category view (stack 4): 1 equipment, 2 usable */ \
    X(belt_slot, 92) /* battle-item belt slot being filled from stack 5 */ \
    X(bat_it_on, 93) /* 1 while a chosen battle item waits for its target */ \
    X(bat_it_item, 94) /* belt item waiting for its target while bat_it_on is 1 */ \
    X(lev_light, 95) /* light level stored with the level (lsts slot 7); -1 = follow time of day */ \
    X(lev_roof_dy, 96) /* vertical offset of roofs for this level (lsts slot 8) */ \
    X(ob_kind, 97) /* kind of map object the leader is walking to or using: 1 chest, 2 and 3 fixed doors (ob_check) */ \
    X(ob_state, 98) /* map object use: 0 none, 1 walking to it, 2 arrived, use it now (use_obs) */ \
    X(chest_screen, 99) /* lock-puzzle state: 0 closed, 1 set-up requested, 2..9 stages of the puzzle */ \
    X(lock_disc, 100) /* index of the disc being worked (discs below it are solved) */ \
    X(lock_last, 101) /* index of the last disc (number of discs - 1) */ \
    X(lock_warn, 102) /* frame count at which the trap may fire: 300 - difficulty */ \
    X(lock_span, 103) /* length of the timer bar in frames: 320 - difficulty */ \
    X(lock_trigger, 104) /* frame count at which the trap fires, drawn in [lock_warn, lock_span) */ \
    X(lock_timer, 105) /* frames spent turning discs (states 5..7) before stopping */ \
    X(lock_trap, 106) /* 0 running, 1 stopped by the player, 2 trap fired, 3 all discs solved */ \
    X(lock_r, 107) /* first of 8 slots 107..114: resistance percent of each disc for this attempt */ \
    X(cur_chest, 115) /* chest record open in the chest/lock screen */ \
    X(lock_outcome, 116) /* result shown: 0 none, 1 opened, 2 failed, 3 jammed */ \
    X(chest_items_req, 117) /* set to 1 by use_obs to open a chest straight to its contents (no lock puzzle) */ \
    X(chest_busy, 118) /* 1 while the inventory screen shows an open chest's contents (istk_shown 7 or 8); clearing it removes the emptied chest items */ \
    X(shot_high, 119) /* nonzero: the missile is drawn after the flying creatures of its cell (set by battle skills, cleared on landing) */ \
    X(shake, 130) /* request a one-frame screen shake (camera jitter of -1..1 pixel) */ \
    X(flash_on, 131) /* 1 = tint the view this frame by flash_r/g/b; fscr clears it */ \
    X(flash_r, 132) /* red added to every view pixel (times 4) while flash_on */ \
    X(flash_g, 133) /* green added (times 4) while flash_on */ \
    X(flash_b, 134) /* blue added (times 4) while flash_on */ \
    X(skill_info_open, 135) /* 1 while the skill information box is shown */ \
    X(skills_member, 136) /* party member whose skill the skill information box shows (set with skill_info_open) */ \
    X(skills_entry, 137) /* skill entry shown by the skill information box */ \
    X(quiet_hit, 139) /* 1 = the next do_attack makes no damage spray and no screen refresh (do_attack clears it) */ \
    X(ptr_note_on, 140) /* 1 = write a number beside the pointer this frame (one shot) */ \
    X(ptr_note_val, 141) /* the number written beside the pointer */ \
    X(skill_list_state, 142) /* skill list state: 0 closed, 1 shown, 2 hidden behind the information box */ \
    X(lmb_frames, 143) /* frames the left button has been held (scraps) */ \
    X(skill_flash, 144) /* fade counter after raising a skill: 250, minus 20 per frame */ \
    X(lev_up_show, 145) /* 1 = a party member gained a level; do_lev_ups shows the level-up box */ \
    X(editor_on, 148) /* level editor active (key E toggles) */ \
    X(edit_loaded, 149) /* 1 once the editor has re-read the current level in edit mode (first E after play or level entry); cleared by make_level and when play is entered */ \
    X(sel_chest, 150) /* chest record selected in the editor (moved by the next left release on the map, edited by a right click), -1 none */ \
    X(edit_cell, 151) /* cell the editor works on; clear_roof lifts the roof there while the editor is on */ \
    X(ob_index, 152) /* chest record of the object being used */ \
    X(sel_spawner, 153) /* crt_spawner record selected in the editor, -1 none */ \
    X(sea_tick, 154) /* frame counter of the sea animation (draw_sea), 0 at level entry */ \
    X(mes_showing, 155) /* 1 while show_messages is showing a message, else 0 */ \
    X(party_turn, 156) /* set to 1 by find_turn when a party creature gets the turn */ \
    X(attr_open, 157) /* attributes screen open */ \
    X(talk_hover, 158) /* 1 in a frame where the pointer rests on an NPC that can be talked to (pointer shape) */ \
    X(close_party, 159) /* 1 = when no message is waiting, take the party members other than the leader off the map again (do_close_party); set by scripted scenes */ \
    X(ptr_mark_cell, 160) /* cell marked under the pointer with ground picture 126 (set by scraps), -1 none */ \
    X(party_hold, 161) /* 1 = main_p1cr_walk is skipped (the player cannot walk the party); set by scripted arrivals, cleared when show_messages shows a message */ \

#define F_SLOTS(X) \
    X(sht_x, 0) /* flying missile: current x in map pixels */ \
    X(sht_y, 1) /* flying missile: current y in map pixels */ \
    X(sht_dx, 2) /* flying missile: unit direction x */ \
    X(sht_dy, 3) /* flying missile: unit direction y */ \
    X(sht_x0, 4) /* flying missile: start x */ \
    X(sht_y0, 5) /* flying missile: start y */ \
    X(sht_x1, 6) /* flying missile: end x */ \
    X(sht_y1, 7) /* flying missile: end y */ \
    X(wmap_x, 8) /* world-map marker x in world-map pixels (500.0 at a new game) */ \
    X(wmap_y, 9) /* world-map marker y in world-map pixels (300.0 at a new game) */ \
    X(wmap_dir, 10) /* world-map marker heading in radians (0.0 at a new game) */ \
    X(lock_anim, 11) /* animation angle of the lock (cover swing, disc fly-off, disc shrink) */ \
    X(lock_pick, 12) /* pick angle in radians set by the player in state 4 */ \
    X(disc_angle, 13) /* first of 8 slots 13..20: angle of each disc in radians */ \
    X(trap_anim, 21) /* angle of the cover swinging back when the trap fires */ \
    X(cam_fx, 22) /* camera x (float, map pixels) */ \
    X(cam_fy, 23) /* camera y (float, map pixels) */ \
    X(cam_vx, 24) /* camera x velocity, pixels per frame; damped by 0.9 each frame */ \
    X(cam_vy, 25) /* camera y velocity, pixels per frame; damped by 0.9 each frame */ \

