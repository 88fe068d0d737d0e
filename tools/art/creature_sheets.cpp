// creature_sheets.cpp -- sheets of sprite sets and effects, and scenes of creatures on grass
#include "art/creature_sheets.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "art/bmp.h"

namespace art {

namespace {

using picture_list = std::vector<std::pair<int, canvas>>;

const canvas *find(const picture_list &pics, int n)
{
    for (const auto &p : pics)
        if (p.first == n) return &p.second;
    return nullptr;
}

// Rows of `per_row` consecutive pictures from each listed first number, labelled.
canvas rows_sheet(const picture_list &pics, const std::vector<std::pair<int, std::string>> &rows, int per_row)
{
    int width = 640, y = 4;
    std::vector<int> row_y;
    for (const auto &r : rows) {
        int x = 4, row_h = 0;
        row_y.push_back(y);
        for (int k = 0; k < per_row; k++)
            if (const canvas *c = find(pics, r.first + k)) {
                if (x + c->w > width - 4) {
                    x = 4;
                    y += row_h + 2;
                    row_h = 0;
                }
                x += c->w + 2;
                row_h = std::max(row_h, c->h);
            }
        y += row_h + 14;
    }
    canvas out(width, y + 4, pal::GREY[2]);
    for (size_t i = 0; i < rows.size(); i++) {
        int x = 4, yy = row_y[i], row_h = 0;
        for (int k = 0; k < per_row; k++)
            if (const canvas *c = find(pics, rows[i].first + k)) {
                if (x + c->w > width - 4) {
                    x = 4;
                    yy += row_h + 2;
                    row_h = 0;
                }
                fill_rect(out, x, yy, c->w, c->h, pal::GREY[3]);
                blit(out, *c, x, yy);
                x += c->w + 2;
                row_h = std::max(row_h, c->h);
            }
        draw_text(out, 4, yy + row_h + 2, (std::to_string(rows[i].first) + "  " + rows[i].second).c_str(), pal::WHITE);
    }
    return out;
}

// A piece of map: grass on every cell, creatures standing on cells.
struct scene {
    canvas c;
    int cam_x, cam_y;

    scene(const picture_list &ground, int cx, int cy) : c(640, 400), cam_x(cx), cam_y(cy)
    {
        const canvas *g = find(ground, 1);
        for (int r = -2; r < 24; r++)
            for (int col = -12; col < 20; col++) {
                int x = 40 * col + 20 * r - cam_x, y = 20 * r - cam_y;
                for (int row = 0; row < 20; row++)
                    for (int k = 0; k < 40; k++) {
                        uint8_t v = g ? g->get(k, row) : pal::GRASS[4];
                        c.set(x + row + k, y + row, v);
                    }
            }
    }

    // A sprite with its bottom centre on the cell's anchor (flyers 32 higher), with
    // a shadow on the ground.
    void put(const canvas &s, int col, int row, bool facing_left, bool flies, int dx = 0, int dy = 0)
    {
        int ax = 40 * col + 20 * row - cam_x + 30 + dx, ay = 20 * row - cam_y + 14 + dy;
        for (int y = -4; y <= 4; y++)
            for (int x = -11; x <= 11; x++)
                if ((float)(x * x) / 121.0f + (float)(y * y) / 16.0f <= 1.0f) {
                    uint8_t v = c.get(ax + x, ay + y - 1);
                    c.set(ax + x, ay + y - 1, shift(v, -2));
                }
        if (flies) ay -= 32;
        blit(c, s, ax - s.w / 2, ay - s.h, facing_left);
    }
};

struct placed {
    int base, frame, col, row;
    bool left;
};

}  // namespace

void write_creature_sheets(const std::string &dir, const std::vector<std::pair<int, canvas>> *by_group)
{
    const picture_list &sprites = by_group[3];
    const picture_list &ground = by_group[0];

    // Every sprite set, its ten frames side by side.
    std::vector<std::pair<int, std::string>> rows;
    for (const sprite_info &s : sprite_sets()) rows.push_back({s.base, s.who});
    for (size_t first = 0; first < rows.size(); first += 8) {
        std::vector<std::pair<int, std::string>> part(rows.begin() + (long)first,
                                                      rows.begin() + (long)std::min(rows.size(), first + 8));
        write_bmp8((dir + "/sets_e" + std::to_string(first / 8) + ".bmp").c_str(), rows_sheet(sprites, part, 10));
    }

    // Effects in their sequences, and the missiles.
    {
        const picture_list &fx = by_group[6];
        std::vector<std::pair<int, std::string>> conds, rest;
        const char *names[] = {"slowed", "hastened", "blinded", "keen-eyed", "held", "nimble", "exposed", "guarded",
                               "fire backlash", "fire empowered", "frost backlash", "frost empowered", "shock backlash",
                               "shock empowered", "arcane backlash", "arcane empowered", "poisoned", "regenerating",
                               "frenzied", "steadfast", "stunned", "quickened"};
        for (int i = 0; i < 22; i++) conds.push_back({i * 10, names[i]});
        for (auto &r : std::vector<std::pair<int, std::string>>{
                 {220, "loses the turn"}, {230, "acts again"}, {250, "regeneration"}, {260, "fire backlash hit"},
                 {270, "frost backlash hit"}, {280, "shock backlash hit"}, {290, "arcane backlash hit"}, {300, "cure"},
                 {310, "critical"}, {320, "list marker"}, {330, "heal sparks, trails"}, {340, "quake"}, {350, "burn"},
                 {361, "charm, boost, stone"}, {370, "fire blast"}, {382, "doom"}, {390, "venom orb and halo"},
                 {400, "storm overlay"}, {410, "spray"}, {420, "spray"}, {430, "shield orb"}})
            rest.push_back(r);
        write_bmp8((dir + "/sets_a0.bmp").c_str(), rows_sheet(fx, conds, 10));
        write_bmp8((dir + "/sets_a1.bmp").c_str(), rows_sheet(fx, rest, 12));
    }

    std::map<int, bool> flies;
    for (const sprite_info &s : sprite_sets()) flies[s.base] = s.flies;

    // Everyone walking, in rows on the grass, every other one facing left.
    {
        scene sc(ground, 0, 0);
        int i = 0;
        std::vector<placed> list;
        for (const sprite_info &s : sprite_sets()) {
            int row = 2 + (i / 8) * 3, col = 1 + (i % 8) * 2 - row / 2;
            list.push_back({s.base, (i * 2) % 6, col, row, (i % 2) == 1});
            i++;
        }
        std::stable_sort(list.begin(), list.end(), [](const placed &a, const placed &b) { return a.row < b.row; });
        for (const placed &p : list)
            if (const canvas *c = find(sprites, p.base + p.frame)) sc.put(*c, p.col, p.row, p.left, flies[p.base]);
        write_bmp8((dir + "/scene_walk.bmp").c_str(), sc.c);
    }

    // A fight: the party on the left striking, aiming and casting, the foes facing them.
    {
        scene sc(ground, 0, 0);
        std::vector<placed> list;
        std::vector<int> party, foes;
        for (const sprite_info &s : sprite_sets()) {
            if (s.base < 100) party.push_back(s.base);
            else if (s.base >= 400 || s.base == 320 || s.base == 340) foes.push_back(s.base);
        }
        int row = 2;
        for (size_t i = 0; i < std::max(party.size(), foes.size()) && row < 19; i++, row += 2) {
            int col = 2 - row / 2 + (int)(i % 2) * 6;
            int frame_a = i % 3 == 0 ? 7 : i % 3 == 1 ? 6 : 9;
            int frame_b = i % 4 == 3 ? 8 : i % 2 ? 7 : 6;
            if (i < party.size()) list.push_back({party[i], frame_a, col, row, false});
            if (i < foes.size()) list.push_back({foes[i], frame_b, col + 1, row, true});
            if (i + party.size() < foes.size()) list.push_back({foes[i + party.size()], (int)(i % 6), col + 3, row, true});
        }
        std::stable_sort(list.begin(), list.end(), [](const placed &a, const placed &b) { return a.row < b.row; });
        for (const placed &p : list)
            if (const canvas *c = find(sprites, p.base + p.frame)) sc.put(*c, p.col, p.row, p.left, flies[p.base]);
        write_bmp8((dir + "/scene_fight.bmp").c_str(), sc.c);
    }
}

}  // namespace art
