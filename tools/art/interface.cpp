// interface.cpp -- the interface's picture table: frame, panels, buttons, boxes, lock, title (group 7),
// pointers and belt pictures (8), skill icons (9), item icons (10) and the lock's textures (4)
//
// Sizes follow from where the game draws each picture and which box it clicks
// on it: a button drawn at (569, 278) whose click box is 568 < x < 601,
// 277 < y < 294 is 32 x 16.  Positions are screen pixels, "view" ones are in the
// 400 x 240 map view at screen (20, 20).  Numbers marked "spare" are drawn for
// the screens to use but named by no rule of the game.
#include <deque>
#include <string>

#include "art/interface_parts.h"
#include "art/manifest.h"

namespace art {

const std::vector<pic_spec> &interface_pictures()
{
    using namespace ifc;
    static const std::vector<pic_spec> table = [] {
        std::vector<pic_spec> t = {
            // -- the lock's textures, laid on rotated squares (group 4) --------------------
            {4, 10, 1, 116, 116, "lock disc: steel ring, gate at the top (rotated, radius up to 82)", lock_disc},
            {4, 11, 1, 128, 128, "lock dial frame over the dial window, view (36, 36)", lock_dial},
            {4, 12, 1, 120, 120, "lock pick: needle pointing up on a hub (rotated, radius 84)", lock_pick},
            {4, 13, 1, 16, 16, "lock pick knob under the pointer (rotated, radius 10)", lock_knob},
            {4, 14, 1, 112, 112, "lock cover: bronze plate with keyhole, upright at rest (radius 80)", lock_cover},

            // -- the play screen's static parts (group 7) -------------------------------------
            {7, 0, 1, 640, 400, "screen frame: view bezel at 16..423 x 16..263, gold well at (2, 2), tray 2..419 x 268..391", frame},
            {7, 68, 1, 640, 400, "party panel board over the frame, x 424..635 (clear elsewhere)", party_board},
            {7, 1, 1, 180, 40, "party row at (440, 16 + 44k): name well 3..144 x 2..14, level badge 147..176", party_row},
            {7, 2, 1, 180, 120, "spare: character sheet at (440, 16): name well (444, 21), rename quill 585..599 x 18..31", sheet},
            {7, 4, 1, 48, 16, "spare: 'Skills' tab at (442, 0) over the sheet (click 442 < x < 490, y < 16)", sheet_tab},
            {7, 24, 1, 80, 16, "spare: 'Attributes' tab at (490, 0) (click 490 < x < 570, y < 16)", sheet_tab},
            {7, 27, 1, 48, 16, "spare: 'Skills' tab lit while the skill list is open", sheet_tab},
            {7, 28, 1, 80, 16, "spare: 'Attributes' tab lit while the window is open", sheet_tab},
            {7, 30, 1, 120, 20, "spare: 'Use items' button at (470, 242) (click 470 < x < 590, 242 < y < 262)", use_items_button},
            {7, 31, 1, 120, 20, "spare: 'Use items' button pressed", use_items_button},
            {7, 3, 1, 180, 120, "battle panel (skill grid / belt) at (440, 270)", battle_panel},
            {7, 5, 1, 400, 120, "list panel at (20, 270): rows x 20..199, scroll 200..219, display 220..419", list_panel},
            {7, 6, 1, 172, 18, "selected row highlight at (25, 274 + 24r)", row_highlight},
            {7, 7, 1, 96, 16, "'Statistics' button at (322, 274)", action_button},
            {7, 8, 1, 32, 32, "statistics box close button at (386, 356)", stats_close},
            {7, 9, 1, 32, 32, "equipment slot 0: weapon, at (446, 140)", slot_box},
            {7, 10, 1, 32, 32, "equipment slot 1: shield, at (480, 140)", slot_box},
            {7, 11, 1, 32, 32, "equipment slot 2: helmet, at (514, 140)", slot_box},
            {7, 12, 1, 32, 32, "equipment slot 3: body armour, at (548, 140)", slot_box},
            {7, 13, 1, 32, 32, "equipment slot 4: gloves, at (582, 140)", slot_box},
            {7, 14, 1, 32, 32, "equipment slot 5: boots, at (446, 174)", slot_box},
            {7, 15, 1, 32, 32, "equipment slot 6: cloak, at (480, 174)", slot_box},
            {7, 16, 1, 32, 32, "equipment slot 7: belt, at (514, 174)", slot_box},
            {7, 17, 1, 32, 32, "equipment slot 8: amulet, at (548, 174)", slot_box},
            {7, 18, 1, 32, 32, "equipment slot 9: bracers, at (582, 174)", slot_box},
            {7, 19, 1, 32, 32, "equipment slot 10: ring (first), at (446, 208)", slot_box},
            {7, 20, 1, 32, 32, "equipment slot 11: ring (second), at (480, 208)", slot_box},
            {7, 21, 1, 32, 32, "equipment slot 12: greaves, at (514, 208)", slot_box},
            {7, 22, 1, 32, 32, "equipment slot 13: charm, at (548, 208)", slot_box},
            {7, 23, 1, 32, 32, "equipment slot 14: quiver, at (582, 208)", slot_box},
            {7, 200, 1, 32, 32, "a filled equipment slot's box, under the item's small icon", slot_box},
            {7, 25, 1, 96, 16, "'Equip' button at (322, 292): wear (stack 2) and belt (stack 5)", action_button},
            {7, 26, 1, 96, 16, "'Equip' button disabled", action_button},
            {7, 29, 1, 20, 40, "chest tabs for a '(Delete when empty)' chest at (0, 270): put-in tab disabled", tab_strip},
            {7, 48, 1, 12, 40, "turn marker at (426, 16 + 44k)", turn_marker},
            {7, 49, 1, 200, 120, "creature detail box, statistics page, at (220, 270); page tabs x 400..419", detail_box},
            {7, 50, 1, 200, 120, "creature detail box, conditions page, at (220, 270)", detail_box},
            {7, 51, 1, 96, 16, "'Take' button at (322, 292) (loot, chest)", action_button},
            {7, 52, 1, 96, 16, "'Take' button disabled (too heavy)", action_button},
            {7, 56, 1, 16, 16, "creature list mark, party (blue shield), at (25, 275 + 24r)", side_mark},
            {7, 57, 1, 16, 16, "creature list mark, hostile (red shield)", side_mark},
            {7, 58, 1, 24, 24, "chosen place highlight: belt at (446, 276) + 28(c, r); skills under the icon at (454, 276) + 28(c, r)", place_highlight},
            {7, 59, 1, 32, 16, "'Use' button at (569, 278)", small_button},
            {7, 60, 1, 32, 16, "'Use' button disabled", small_button},
            {7, 61, 1, 28, 28, "empty skill place at (453, 275) + 28(c, r) / locked belt place at (445, 275) + 28(c, r)", empty_place},
            {7, 65, 1, 16, 16, "creature list mark, ally (green shield)", side_mark},
            {7, 66, 1, 96, 16, "'Buy' button at (322, 292)", action_button},
            {7, 67, 1, 96, 16, "'Buy' button disabled (too dear or too heavy)", action_button},
            {7, 69, 1, 20, 40, "category tabs at (0, 270): equipment, usable items", tab_strip},
            {7, 70, 1, 20, 20, "equipment tab pressed, at (0, 270)", pressed_tab},
            {7, 71, 1, 20, 20, "usable items tab pressed, at (0, 290)", pressed_tab},
            {7, 72, 1, 20, 16, "catalogue button while the catalogue is shown, at (80, 0)", catalogue_button},
            {7, 73, 1, 20, 16, "catalogue button, at (80, 0)", catalogue_button},
            {7, 74, 1, 180, 20, "battle panel page tabs at (440, 250), 'Skills' shown", page_tabs},
            {7, 75, 1, 180, 20, "battle panel page tabs at (440, 250), 'Items' shown", page_tabs},
            {7, 76, 1, 56, 12, "'Remove' belt button at (558, 374)", remove_button},
            {7, 77, 1, 12, 12, "mark after the name of an item worn or on a belt", worn_mark},
            {7, 79, 1, 96, 16, "'Use' button at (322, 292) (stack 6)", action_button},
            {7, 94, 1, 20, 40, "chest tabs at (0, 270), the chest's contents shown", tab_strip},
            {7, 95, 1, 20, 40, "chest tabs at (0, 270), the items to put in shown", tab_strip},
            {7, 96, 1, 96, 16, "'Put in chest' button at (322, 292)", action_button},
            {7, 97, 1, 96, 16, "'Put in chest' button disabled (chest full)", action_button},
            {7, 98, 1, 20, 40, "inventory close button at (0, 350)", inventory_close},
            {7, 100, 1, 32, 16, "'Info' button at (569, 294)", small_button},
            {7, 103, 1, 56, 16, "uses-left box at (561, 318); the number at (580, 322)", uses_box},
            {7, 117, 1, 80, 10, "'Start battle' button, view (0, 230)", start_button},
            {7, 118, 1, 80, 10, "'Start battle' button under the pointer", start_button},
            {7, 120, 1, 56, 16, "mana cost box at (561, 358); the cost at (570, 362)", cost_box},
            {7, 128, 1, 4, 6, "requirement bullet at (374, y)", bullet},
            {7, 129, 1, 96, 16, "spare: 'Statistics' pressed", action_button},
            {7, 130, 1, 96, 16, "spare: 'Equip' pressed", action_button},
            {7, 131, 1, 96, 16, "spare: 'Take' pressed", action_button},
            {7, 132, 1, 96, 16, "spare: 'Buy' pressed", action_button},
            {7, 133, 1, 96, 16, "spare: 'Use' pressed (stack 6)", action_button},
            {7, 134, 1, 96, 16, "spare: 'Put in chest' pressed", action_button},
            {7, 135, 1, 32, 16, "spare: 'Use' (569, 278) pressed", small_button},
            {7, 136, 1, 32, 16, "spare: 'Info' pressed", small_button},
            {7, 137, 1, 80, 10, "spare: 'Start battle' pressed", start_button},
            {7, 138, 1, 96, 16, "spare: 'Belt' button for stack 5 at (322, 292)", action_button},
            {7, 139, 1, 96, 16, "spare: 'Belt' pressed", action_button},
            {7, 141, 1, 20, 60, "spare: list scroll up pressed, at (200, 270)", scroll_pressed},
            {7, 142, 1, 20, 60, "spare: list scroll down pressed, at (200, 330)", scroll_pressed},
            {7, 144, 1, 96, 16, "spare: 'Statistics' disabled", action_button},

            // -- boxes in the view (group 7) -------------------------------------------------
            {7, 53, 1, 200, 60, "loot box, loot left, view (100, 100); texts at (108, 107), (108, 118)", loot_box},
            {7, 54, 1, 200, 60, "loot box, nothing left, view (100, 100)", loot_box},
            {7, 62, 1, 32, 32, "text box corner, blue frame: top left (mirrored top right)", box_corner},
            {7, 63, 1, 32, 32, "text box corner, blue frame: bottom left (mirrored bottom right)", box_corner},
            {7, 64, 1, 16, 16, "continue button of speech boxes at (W + 4, H + 44)", continue_button},
            {7, 99, 1, 264, 200, "skill information box, view (20, 20): name (40, 40), text (40, 54)", book_panel},
            {7, 101, 1, 20, 30, "close button: skill list and box view (241, 180), attributes view (335, 152)", close_tall},
            {7, 104, 1, 264, 200, "skill list, view (20, 20): entries x 60, y 75..194", book_panel},
            {7, 107, 1, 192, 8, "skill list top roller, view (59, 73)", list_cap},
            {7, 108, 1, 192, 8, "skill list bottom roller, view (59, 190)", list_cap},
            {7, 109, 1, 16, 30, "skill list up arrow pressed, view (45, 105)", list_arrow},
            {7, 110, 1, 16, 28, "skill list down arrow pressed, view (45, 134)", list_arrow},
            {7, 111, 1, 96, 88, "skill points box, view (286, 70): text (308, 82), raise button (320, 110)", points_box},
            {7, 112, 1, 32, 32, "skill raise button, view (320, 110)", raise_button},
            {7, 113, 1, 32, 32, "skill raise button held (next level shown)", raise_button},
            {7, 115, 1, 280, 20, "level-up row, view (60, y): name from x 70", level_row},
            {7, 116, 1, 80, 20, "level-up box, view (160, 100 - 10n): close spot in its middle", level_box},
            {7, 123, 1, 12, 12, "attribute raise button under the pointer, view (195, 78 + 18k)", attr_button},
            {7, 124, 1, 32, 32, "text box corner, gold frame: top left (mirrored top right)", box_corner},
            {7, 125, 1, 32, 32, "text box corner, gold frame: bottom left (mirrored bottom right)", box_corner},
            {7, 126, 1, 12, 12, "attribute raise button, view (195, 78 + 18k)", attr_button},
            {7, 127, 1, 104, 12, "raised attribute glow, view (88, 78 + 18k)", attr_highlight},
            {7, 140, 1, 20, 30, "spare: close button 101 under the pointer", close_tall},

            // -- the lock puzzle's pictures (group 7, view) -----------------------------------
            {7, 80, 1, 16, 16, "lock: ring round the pointer while setting the pick, view (mouse - 28)", lock_ring},
            {7, 81, 1, 128, 16, "lock timer, view (164, 36): bar 178..277 x 40..47", lock_timer},
            {7, 82, 1, 32, 32, "lock start button, view (228, 52)", lock_start},
            {7, 83, 1, 32, 32, "lock stop button (discs turning), view (228, 52)", lock_start},
            {7, 84, 1, 64, 16, "lock disc row, view (164, 68 + 16i); text at (192, 73 + 16i)", lock_disc_row},
            {7, 85, 1, 64, 32, "lock force button, view (228, 84); chance at (268, 102)", lock_force},
            {7, 87, 1, 64, 16, "lock disc list heading, view (164, 52)", lock_header},
            {7, 88, 1, 32, 32, "lock close button under the pointer, view (260, 52)", lock_close},
            {7, 89, 1, 32, 32, "lock close button, view (260, 52)", lock_close},
            {7, 90, 1, 64, 32, "lock force button under the pointer", lock_force},
            {7, 91, 1, 128, 32, "lock outcome 'Opened!', view (36, 84)", lock_outcome},
            {7, 92, 1, 128, 32, "lock outcome 'Failed', view (36, 84)", lock_outcome},
            {7, 93, 1, 128, 32, "lock outcome 'Jammed!', view (36, 84)", lock_outcome},

            // -- title, game over, world map, editor (group 7) --------------------------------
            {7, 32, 1, 640, 400, "game over, cross-faded over the screen (clear: the battle darkened)", game_over},
            {7, 33, 1, 8, 8, "world-map party marker at (x - 3, y - 3)", map_marker},
            {7, 34, 1, 640, 400, "title overlay over 40: the name 'Hollowmere', motto, dark corners", title_overlay},
            {7, 35, 1, 180, 24, "title 'New player' button at (240, 200)", title_button},
            {7, 36, 1, 184, 24, "title 'Players' button at (236, 176), face from x 240", title_button},
            {7, 37, 1, 200, 40, "title 'New player' lit at (230, 192)", title_button},
            {7, 38, 1, 204, 40, "title 'Players' lit at (226, 168)", title_button},
            {7, 40, 1, 640, 400, "title backdrop: the mere at dusk", title_backdrop},
            {7, 41, 1, 200, 32, "new player's name field at (220, 180); name typed at (232, 190)", name_field},
            {7, 42, 1, 200, 20, "new player's name heading at (220, 157)", name_label},
            {7, 43, 1, 200, 150, "players list at (230, 40): names at (242, 50 + 30i), scroll x 410..429", player_list},
            {7, 44, 1, 320, 56, "delete-player question at (160, 20)", delete_question},
            {7, 45, 1, 100, 24, "title 'Load' button at (270, 200)", title_button},
            {7, 46, 1, 120, 24, "title 'Load' lit at (260, 200)", title_button},
            {7, 119, 1, 100, 20, "editor tool bar at (100, 0): level, new chest, chests, new spawner, spawners", editor_bar},

            // -- pointers (group 8): the top-left pixel is the hot spot ----------------------
            {8, 0, 1, 16, 16, "pointer: arrow", pointer},
            {8, 1, 17, 16, 16, "pointer: animated hand over anything clickable (17 frames)", pointer},
            {8, 18, 1, 16, 16, "pointer: leave the level (arrow and boot)", pointer},
            {8, 19, 1, 16, 16, "scroll arrow down, view (x - 28, 224)", pointer},
            {8, 20, 1, 16, 16, "scroll arrow up, view (x - 28, 0)", pointer},
            {8, 21, 1, 16, 16, "scroll arrow right, view (384, y - 28)", pointer},
            {8, 22, 1, 16, 16, "scroll arrow left, view (0, y - 28)", pointer},
            {8, 23, 1, 16, 16, "scroll arrow up-left, view (0, 0)", pointer},
            {8, 24, 1, 16, 16, "scroll arrow up-right, view (384, 0)", pointer},
            {8, 25, 1, 16, 16, "scroll arrow down-right, view (384, 224)", pointer},
            {8, 26, 1, 16, 16, "scroll arrow down-left, view (0, 224)", pointer},
            {8, 27, 1, 16, 16, "pointer: scrolling (arrow and four arrows)", pointer},
            {8, 28, 1, 16, 16, "pointer: target (sword)", pointer},
            {8, 30, 1, 16, 16, "pointer: a skill waits for its target (wand)", pointer},
            {8, 33, 1, 16, 16, "pointer: lock, set the pick (knob)", pointer},
            {8, 34, 1, 16, 16, "pointer: lock, open the cover (padlock)", pointer},
            {8, 35, 1, 16, 16, "pointer: lock, start (play)", pointer},
            {8, 36, 1, 16, 16, "pointer: lock, stop (stop)", pointer},
            {8, 37, 1, 16, 16, "pointer: editor, a chest selected", pointer},
            {8, 38, 1, 16, 16, "pointer: editor, a spawner selected", pointer},
            {8, 40, 1, 16, 16, "pointer: talk (speech bubble)", pointer},

            // -- battle-skill icons (group 9), at (454 + 28c, 276 + 28r) -----------------
            {9, 0, 1, 24, 24, "skill 0 heal: green cross", skill_icon},
            {9, 1, 1, 24, 24, "skill 1 fire bolt: fireball", skill_icon},
            {9, 2, 1, 24, 24, "skill 2 frost: snowflake", skill_icon},
            {9, 3, 1, 24, 24, "skill 3 summon a beast: paw in a circle", skill_icon},
            {9, 4, 1, 24, 24, "skill 4 quake: split ground and lightning", skill_icon},
            {9, 5, 1, 24, 24, "skill 5 burn: flames", skill_icon},
            {9, 6, 1, 24, 24, "skill 6 charm: heart in a swirl", skill_icon},
            {9, 7, 1, 24, 24, "skill 7 shield: glowing shield", skill_icon},
            {9, 8, 1, 24, 24, "skill 8 blast: starburst", skill_icon},
            {9, 9, 1, 24, 24, "skill 9 doom: skull with violet eyes", skill_icon},
            {9, 10, 1, 24, 24, "skill 10 venom: green drop", skill_icon},
            {9, 11, 1, 24, 24, "skill 11 blind: struck-out eye", skill_icon},
            {9, 12, 1, 24, 24, "skill 12 summon a spirit: ghost", skill_icon},
            {9, 13, 1, 24, 24, "skill 13 summon a rune guardian: rune stone", skill_icon},
            {9, 14, 1, 24, 24, "skill 14 boost: rising chevrons", skill_icon},
            {9, 15, 1, 24, 24, "skill 15 summon a flame: living flame", skill_icon},
            {9, 16, 1, 24, 24, "skill 16 shape change: moon and claw marks", skill_icon},
            {9, 17, 1, 24, 24, "skill 17 passive: sun", skill_icon},
        };
        // Item icons and belt pictures, each with what it shows (a deque keeps the
        // purposes in place while it grows).
        static std::deque<std::string> names;
        for (int n = 0; item_icon_what(n); n++) {
            names.push_back(std::string("item icon: ") + item_icon_what(n));
            t.push_back({10, n, 1, 96, 96, names.back().c_str(), item_icon});
            names.push_back(std::string("item icon, small, on the sheet's equipment places: ") + item_icon_what(n));
            t.push_back({10, n + SMALL_ICON_BASE, 1, 28, 28, names.back().c_str(), item_icon_small});
        }
        for (int n = 41; belt_picture_what(n); n++) {
            names.push_back(std::string("belt picture: ") + belt_picture_what(n));
            t.push_back({8, n, 1, 16, 16, names.back().c_str(), belt_picture});
        }
        return t;
    }();
    return table;
}

}  // namespace art
