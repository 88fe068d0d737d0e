// portraits.cpp -- the 64 x 64 portraits of speech boxes (group 11): head and shoulders
// in three-quarter view, turned towards the text, against a dark backdrop
#include <cmath>
#include <functional>

#include "art/effects.h"
#include "art/figure.h"
#include "art/portraits.h"

namespace art {

namespace {

constexpr float PI = 3.14159265f;

enum class p_hair { bald, crop, short_hair, long_hair, tail, bun, wild, curly };
enum class p_hat { none, hood, kettle, visor, pointy, wide, cap, scarf, crown, circlet, horned, cowl };
enum class p_beard { none, stubble, short_beard, long_beard, moustache };
enum class p_body { tunic, robe, plate, mail, coat, bare };
enum class p_mood { calm, smile, stern, grim, sly };

struct face_look {
    mat skin, hair, iris, lips;
    p_hair hair_style = p_hair::short_hair;
    p_hat hat = p_hat::none;
    mat hat_m, hat_trim;
    p_beard beard = p_beard::none;
    mat beard_m;
    p_body body = p_body::tunic;
    mat cloth, collar;
    p_mood mood = p_mood::calm;
    float jaw = 1;          // width of the jaw
    float length = 1;       // length of the face
    float nose = 1;
    bool old = false;       // lines under the eyes and on the brow
    bool pointy_ears = false;
    bool spectacles = false;
    bool freckles = false;
    bool scar = false;
    bool glow_eyes = false;
    uint8_t eye_glow = 0;
    const pal::ramp *backdrop = &pal::SLATE;   // its darkest entries are used
    const pal::ramp *rim = nullptr;             // a coloured light from behind
};

// The backdrop: a dark radial light behind the head.
void backdrop(canvas &c, const face_look &f)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            float d = std::sqrt((float)((x - 26) * (x - 26) + (y - 24) * (y - 24))) / 46.0f;
            float t = std::max(0.0f, 1 - d) * 0.55f;
            const pal::ramp &r = *f.backdrop;
            int top = std::min(r.len - 1, 3);
            pal::ramp dark{};
            for (int i = 0; i <= top; i++) dark.idx[i] = r.idx[i];
            dark.len = top + 1;
            c.set(x, y, ramp_dither(dark, t, x, y));
        }
}

// An ellipse test.
bool in_e(float x, float y, float cx, float cy, float rx, float ry)
{
    float u = (x - cx) / rx, v = (y - cy) / ry;
    return u * u + v * v <= 1;
}

// A dome normal around (cx, cy) for shapes lit as round.
std::function<vec3(float, float)> dome(float cx, float cy, float rx, float ry)
{
    return [=](float x, float y) {
        float u = (x - cx) / rx, v = (y - cy) / ry;
        float l = u * u + v * v;
        if (l > 1) {
            float k = 1 / std::sqrt(l);
            u *= k;
            v *= k;
            l = 1;
        }
        return vec3{u, v, std::sqrt(std::max(0.05f, 1 - l))};
    };
}

canvas draw_face(const face_look &f)
{
    canvas out(64, 64);
    backdrop(out, f);
    figure fg(64, 64);
    // The head: skull centre (cx, cy); the face turned right, its middle line at fx.
    const float cx = 29, cy = 25;
    const float rx = 13.5f, ry = 14.5f * f.length;
    const float fx = 36;
    const float eye_y = cy + 3;
    const float chin_y = cy + 17.5f * f.length;
    const float jw = f.jaw;

    // Shoulders and chest.
    {
        int part = fg.new_part();
        std::vector<v2> chest = {{1, 64}, {3, 54}, {13, 48}, {47, 48}, {58, 54}, {63, 64}};
        fg.poly(chest, f.cloth, 10, 0.0f, {-0.3f, -0.6f, 0.75f}, 0.9f, part);
        if (f.body == p_body::plate) {
            fg.ellipse({12, 55}, 11, 6.5f, f.cloth, 12, 0.1f);
            fg.ellipse({49, 55}, 10, 6.5f, f.cloth, 12, 0.15f);
            fg.thin({33, 56}, {33, 64}, f.cloth.r->idx[f.cloth.hi], 11);
        }
        if (f.body == p_body::mail) {
            for (int y = 48; y < 64; y++)
                for (int x = 0; x < 64; x++) {
                    size_t i = (size_t)y * 64 + x;
                    if (fg.part[i] == part && (x + 2 * y) % 4 == 0) fg.col[i] = shift(fg.col[i], -2);
                }
        }
        if (f.collar.r) {
            if (f.body == p_body::robe || f.body == p_body::coat)
                fg.poly({{21, 49}, {32, 61}, {43, 49}, {39, 48}, {32, 55}, {25, 48}}, f.collar, 13, 0.05f, {-0.3f, -0.5f, 0.8f});
            else if (f.body == p_body::bare)
                for (float x : {24.0f, 40.0f}) fg.body({x, 50}, 1.5f, {x - 1, 64}, 1.5f, f.collar, 13, 0.0f, 0.0f);
            else
                fg.body({20, 50}, 2.2f, {44, 50}, 2.2f, f.collar, 13, 0.0f, 0.6f);
        }
    }
    // Neck.
    fg.body({32, chin_y - 5}, 6.5f, {31, 50}, 7.5f, f.skin, 15, -0.2f, 0.2f);

    bool hooded = f.hat == p_hat::hood || f.hat == p_hat::cowl;
    // Hair and hood behind the head.
    if (f.hair.r && !hooded) {
        if (f.hair_style == p_hair::long_hair || f.hair_style == p_hair::curly)
            fg.shape(0, 0, 64, 64, [=](float x, float y) { return in_e(x, y, cx - 2, cy + 10, rx + 3, 25) && y > cy - 6 && x < fx + 4; },
                     dome(cx - 2, cy + 6, rx + 3, 25), f.hair, 16, -0.1f, -1);
        if (f.hair_style == p_hair::tail) fg.limb({cx - rx + 1, cy + 4}, 3.5f, {cx - rx - 3, 52}, 2.4f, f.hair, 16, -0.05f);
        if (f.hair_style == p_hair::bun) fg.ellipse({cx - rx * 0.75f, cy - ry * 0.8f}, 6, 5.5f, f.hair, 16, 0.05f);
    }
    if (hooded) {
        fg.shape(0, 0, 64, 64,
                 [=](float x, float y) { return in_e(x, y, cx - 1, cy + 1, rx + 5, ry + 5) || (y > cy + 6 && y < 54 && x > 8 && x < fx + 13 - (y - cy) * 0.1f); },
                 dome(cx - 2, cy, rx + 6, ry + 8), f.hat_m, 16, -0.12f, -1);
    }

    // Skull, jaw and chin.
    int head = fg.new_part();
    fg.shape(
        0, 0, 64, 64,
        [=](float x, float y) {
            if (in_e(x, y, cx, cy, rx, ry)) return true;
            // The jaw narrows from the ear to the chin, which sits under the face's middle.
            if (y < cy || y > chin_y) return false;
            float t = (y - cy) / (chin_y - cy);
            float left = (cx - rx + 1) + t * t * (fx - 6 - (cx - rx + 1)) * (1.2f - 0.2f * jw);
            float right = (fx + 8.5f) - t * t * (8.5f - 2.5f * jw) - t * 1.5f;
            return x >= left && x <= right;
        },
        dome(cx + 3, cy + 2, rx + 3, ry + 5), f.skin, 20, 0.0f, head);
    // Far cheek in shade.
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            size_t i = (size_t)y * 64 + x;
            if (fg.part[i] == head && x < fx - 9 && y > eye_y) fg.col[i] = shift(fg.col[i], -1);
        }
    // Ear.
    v2 ear = {cx - 7.5f, eye_y + 2};
    if (f.pointy_ears) {
        fg.poly({ear + v2{2, -3}, ear + v2{-7, -10}, ear + v2{1, 4}}, f.skin, 21, 0.0f, {-0.4f, -0.4f, 0.8f});
    } else {
        fg.ellipse(ear, 2.6f, 4.2f, f.skin, 21, -0.02f);
        fg.ellipse(ear + v2{0.5f, 0}, 1.1f, 2.4f, f.skin, 21.5f, -0.3f);
    }
    // Nose: a ridge from between the eyes, its tip just past the cheek.
    float nz = f.nose;
    v2 tip = {fx + 4.5f + 1.5f * nz, eye_y + 6.5f * nz};
    fg.poly({{fx + 1.5f, eye_y - 1}, tip, {tip.x - 1, tip.y + 1.5f}, {fx + 0.5f, tip.y + 1.5f}}, f.skin, 22, 0.08f, {0.5f, -0.3f, 0.8f});
    uint8_t shade_c = tone(f.skin, 0.12f);
    fg.thin({fx + 0.5f, eye_y + 1}, {fx + 0.5f, tip.y}, shift(tone(f.skin, 0.35f), 0), 22.5f);
    fg.thin({fx + 1.0f, tip.y + 1.5f}, {tip.x - 1, tip.y + 1.5f}, shade_c, 22.5f);
    // Eyes: the near one whole, the far one narrower.
    auto eye = [&](float ex, int width, float z) {
        int ey = (int)eye_y, x0 = (int)ex - width / 2;
        uint8_t white = pal::BONE[8];
        uint8_t iris = f.glow_eyes ? f.eye_glow : tone(f.iris, 0.55f);
        for (int x = x0; x < x0 + width; x++) {
            fg.plot(x, ey, z, f.glow_eyes ? iris : white, head, f.glow_eyes);
            fg.plot(x, ey + 1, z, f.glow_eyes ? iris : white, head, f.glow_eyes);
        }
        if (!f.glow_eyes) {
            int ix = x0 + width - 3;
            fg.plot(ix, ey, z + 0.1f, iris, head);
            fg.plot(ix + 1, ey, z + 0.1f, pal::INK[0], head);
            fg.plot(ix, ey + 1, z + 0.1f, tone(f.iris, 0.3f), head);
            fg.plot(ix + 1, ey + 1, z + 0.1f, iris, head);
        }
        uint8_t lid = shift(tone(f.skin, 0.0f), -2);
        for (int x = x0 - 1; x <= x0 + width; x++) fg.plot(x, ey - 1, z + 0.2f, lid, head);
        if (f.old) {
            fg.plot(x0, ey + 3, z, shift(tone(f.skin, 0.3f), -1), head);
            fg.plot(x0 + 1, ey + 3, z, shift(tone(f.skin, 0.3f), -1), head);
            fg.plot(x0 + 2, ey + 3, z, shift(tone(f.skin, 0.3f), -1), head);
        }
    };
    float near_x = fx + 4.5f, far_x = fx - 6.0f;
    eye(near_x, 5, 24);
    eye(far_x, 4, 23);
    // Brows, angled by the mood.
    mat brow_m = f.hair.r ? f.hair : (f.beard_m.r ? f.beard_m : M(pal::LEATHER, 0, 3));
    uint8_t bc = tone(brow_m, 0.2f);
    float tilt = f.mood == p_mood::stern || f.mood == p_mood::grim ? 1.5f : f.mood == p_mood::sly ? -1.0f : -0.4f;
    for (int k = 0; k < 2; k++) {
        float by = eye_y - 3.5f - (float)k;
        fg.thin({near_x - 3, by + tilt}, {near_x + 3, by - 0.5f}, bc, 25);
        fg.thin({far_x - 2, by - 0.5f}, {far_x + 2, by + tilt * 0.7f}, bc, 25);
    }
    // Mouth.
    float my = tip.y + 4.5f;
    uint8_t lip = tone(f.lips.r ? f.lips : f.skin, 0.1f);
    float corner = f.mood == p_mood::smile ? -1.0f : f.mood == p_mood::grim ? 1.0f : 0.0f;
    float mx0 = fx - 2.5f, mx1 = fx + 4.5f;
    fg.thin({mx0, my + corner}, {mx0 + 1.5f, my}, lip, 25);
    fg.thin({mx0 + 1.5f, my}, {mx1 - 1.0f, my}, lip, 25);
    fg.thin({mx1 - 1.0f, my}, {mx1, my + (f.mood == p_mood::sly ? -1.5f : corner)}, lip, 25);
    if (f.lips.r) fg.thin({mx0 + 1.5f, my + 1}, {mx1 - 1.5f, my + 1}, tone(f.lips, 0.65f), 25);
    if (f.old) {
        uint8_t wr = shift(tone(f.skin, 0.35f), -1);
        fg.thin({tip.x - 1, tip.y + 2.5f}, {mx1 + 1.5f, my + 1}, wr, 24.5f);
        fg.thin({fx - 5, eye_y - 7.5f}, {fx + 3, eye_y - 7.5f}, wr, 24.5f);
    }
    if (f.freckles)
        for (int i = 0; i < 6; i++) fg.dot({fx - 4 + (float)i * 2.0f, eye_y + 4 + (float)(i % 2)}, tone(M(pal::TERRACOTTA, 2, 6), 0.45f), 24.6f);
    if (f.scar) {
        fg.thin({near_x - 2, eye_y - 6}, {near_x + 1, eye_y + 6}, tone(M(pal::CLOTH_RED, 1, 6), 0.5f), 26);
    }
    if (f.spectacles) {
        uint8_t gc = pal::GOLD[5];
        auto frame_box = [&](float ex, float wdt) {
            fg.thin({ex - wdt, eye_y - 2}, {ex + wdt, eye_y - 2}, gc, 27);
            fg.thin({ex - wdt, eye_y + 3}, {ex + wdt, eye_y + 3}, gc, 27);
            fg.thin({ex - wdt, eye_y - 2}, {ex - wdt, eye_y + 3}, gc, 27);
            fg.thin({ex + wdt, eye_y - 2}, {ex + wdt, eye_y + 3}, gc, 27);
        };
        frame_box(near_x, 3.5f);
        frame_box(far_x, 2.5f);
        fg.thin({far_x + 2.5f, eye_y}, {near_x - 3.5f, eye_y}, gc, 27);
        fg.thin({far_x - 2.5f, eye_y}, {ear.x + 1, eye_y - 1}, gc, 27);
    }

    // Beard.
    if (f.beard != p_beard::none) {
        mat bm = f.beard_m;
        if (f.beard == p_beard::stubble) {
            for (int y = 0; y < 64; y++)
                for (int x = 0; x < 64; x++) {
                    size_t i = (size_t)y * 64 + x;
                    if (fg.part[i] == head && (x + y) % 2 == 0 && y > tip.y + 2 && x > cx - 8) fg.col[i] = tone(bm, 0.35f);
                }
        } else if (f.beard == p_beard::moustache) {
            fg.poly({{mx0 - 1.5f, my + 1}, {mx0 + 1, my - 2.5f}, {mx1 + 0.5f, my - 2.5f}, {mx1 + 2.5f, my + 1.5f}, {mx1, my - 0.5f},
                     {mx0 + 1, my - 0.5f}},
                    bm, 28, 0.05f, {-0.2f, -0.5f, 0.8f});
        } else {
            float len = f.beard == p_beard::long_beard ? 14.0f : 4.0f;
            fg.shape(
                0, 0, 64, 64,
                [=](float x, float y) {
                    if (y < tip.y + 1.5f) return false;
                    bool jawline = fg.part[(size_t)std::min(63, std::max(0, (int)y)) * 64 + std::min(63, std::max(0, (int)x))] == head &&
                                   (x < cx - 5 ? y > eye_y + 5 : true);
                    bool below = y > chin_y - 3 && y < chin_y + len && std::fabs(x - (fx - 1)) < 9 - (y - chin_y) * 0.35f;
                    bool mouth = y > my - 0.5f && y < my + 1.5f && x > mx0 && x < mx1 - 0.5f;
                    return (jawline || below) && !mouth;
                },
                dome(fx - 2, my + 2, 12, 12 + len), bm, 28, 0.0f, -1);
            fg.poly({{mx0 - 1.5f, my + 0.5f}, {mx0 + 1, my - 2.5f}, {mx1 + 0.5f, my - 2.5f}, {mx1 + 2, my + 1}, {mx1, my - 0.5f},
                     {mx0 + 1, my - 0.5f}},
                    bm, 28.5f, 0.1f, {-0.2f, -0.5f, 0.8f});
        }
    }

    // Hair on top.
    if (f.hair.r && f.hair_style != p_hair::bald && !hooded && f.hat != p_hat::visor) {
        p_hair st = f.hair_style;
        float hair_line = cy - 6;
        fg.shape(
            0, 0, 64, 64,
            [=](float x, float y) {
                bool cap = in_e(x, y, cx - 1, cy - 2, rx + 1.5f, ry + 0.5f);
                // Above the hairline, which sweeps down behind the ear.
                float line = x > cx + 2 ? hair_line - (x - cx - 2) * 0.12f : hair_line + (cx + 2 - x) * 0.9f;
                if (st == p_hair::crop) line = x > cx - 5 ? cy - 9 : cy + 2;
                bool in = cap && y < line;
                if (st == p_hair::wild || st == p_hair::curly) in = in || (in_e(x, y, cx - 1, cy - 5, rx + 4, ry) && y < line + 2);
                if (st == p_hair::long_hair) in = in || (x < cx - 5 && x > cx - rx - 3 && y < cy + 20 && y > cy - 5);
                if (st == p_hair::short_hair) in = in || (in_e(x, y, fx - 2, hair_line, 7, 3) && y < hair_line + 2);
                return in;
            },
            dome(cx - 3, cy - 6, rx + 4, ry + 2), f.hair, 30, 0.0f, -1);
        if (st == p_hair::curly || st == p_hair::wild) {
            rng r(17);
            for (int i = 0; i < 40; i++) {
                int x = (int)(cx - rx - 3 + r.uniform() * (rx * 2 + 6)), y = (int)(cy - ry - 2 + r.uniform() * ry);
                if (y < 0 || y >= 64 || x < 0 || x >= 64) continue;
                size_t idx = (size_t)y * 64 + x;
                if (fg.depth[idx] == 30) fg.col[idx] = shift(fg.col[idx], (i % 3) ? -2 : 1);
            }
        }
        // Strands: a few darker lines through the hair.
        for (int y = 0; y < 64; y++)
            for (int x = 0; x < 64; x++) {
                size_t i = (size_t)y * 64 + x;
                if (fg.depth[i] == 30 && (x * 3 + y) % 7 == 0) fg.col[i] = shift(fg.col[i], -1);
            }
    }

    // Hats.
    mat hm = f.hat_m, ht = f.hat_trim.r ? f.hat_trim : f.hat_m;
    switch (f.hat) {
    case p_hat::none:
        break;
    case p_hat::hood:
    case p_hat::cowl: {
        bool cowl = f.hat == p_hat::cowl;
        fg.shape(
            0, 0, 64, 64,
            [=](float x, float y) {
                bool shell = in_e(x, y, cx - 1, cy - 1, rx + 4.5f, ry + 4);
                bool face = in_e(x, y, fx + 1, cy + 5, cowl ? 10.5f : 12.5f, cowl ? 14.0f : 16.5f);
                return shell && !face;
            },
            dome(cx - 3, cy - 3, rx + 6, ry + 6), hm, 32, 0.0f, -1);
        if (cowl) {
            for (int y = 0; y < 64; y++)
                for (int x = 0; x < 64; x++) {
                    size_t i = (size_t)y * 64 + x;
                    if (fg.part[i] == head && y < eye_y + 4 && !fg.flags[i]) fg.col[i] = shift(fg.col[i], -3);
                }
        }
        break;
    }
    case p_hat::kettle:
    case p_hat::horned:
    case p_hat::visor: {
        bool visor = f.hat == p_hat::visor;
        float rim_y = eye_y - 6;
        fg.shape(
            0, 0, 64, 64,
            [=](float x, float y) {
                bool dome_ = in_e(x, y, cx - 1, cy - 1, rx + 2.5f, ry + 1.5f) && y < rim_y;
                bool brim = f.hat == p_hat::kettle && y >= rim_y - 1 && y < rim_y + 2 && x > cx - rx - 6 && x < fx + 14;
                bool cheek = visor && in_e(x, y, cx - 1, cy + 2, rx + 2.5f, ry + 4) && x < fx - 8 && y < chin_y;
                return dome_ || brim || cheek;
            },
            dome(cx - 3, cy - 5, rx + 4, ry + 3), hm, 32, 0.05f, -1);
        if (visor) {
            fg.body({fx - 9, rim_y - 1}, 2.2f, {fx + 11, rim_y - 2}, 2.2f, hm, 33, 0.15f, 0.5f);
            fg.body({cx - 2, cy - ry - 1}, 1.5f, {cx - 2, rim_y - 2}, 1.5f, ht, 33, 0.1f, 0.5f);
        }
        if (f.hat == p_hat::horned) {
            mat horn = M(pal::BONE, 2, 9);
            fg.limb({cx - 9, cy - 9}, 3.2f, {cx - 16, cy - 15}, 2.2f, horn, 34, 0.05f);
            fg.limb({cx - 16, cy - 15}, 2.2f, {cx - 16, cy - 23}, 0.9f, horn, 34, 0.05f);
            fg.limb({cx + 7, cy - 11}, 3.2f, {cx + 12, cy - 18}, 2.2f, horn, 34, 0.1f);
            fg.limb({cx + 12, cy - 18}, 2.2f, {cx + 10, cy - 25}, 0.9f, horn, 34, 0.1f);
        }
        if (f.hat == p_hat::kettle) fg.thin({cx - rx - 5, rim_y + 1}, {fx + 13, rim_y + 1}, tone(hm, 0.1f), 33);
        break;
    }
    case p_hat::pointy:
    case p_hat::wide: {
        bool pointy = f.hat == p_hat::pointy;
        float by = cy - 7;
        if (pointy) {
            fg.poly({{cx - rx - 1, by}, {cx - 3, by - 17}, {cx - 14, by - 22}, {cx + 3, by - 19}, {fx + 9, by}}, hm, 33, 0.0f,
                    {-0.3f, -0.4f, 0.8f}, 0.8f);
        } else {
            fg.ellipse({cx, by - 3}, rx + 1, 7.5f, hm, 33, 0.05f);
        }
        if (f.hat_trim.r) fg.body({cx - rx, by - 1.5f}, 1.6f, {fx + 9, by - 1.5f}, 1.6f, ht, 34, 0.05f, 0.3f);
        fg.ellipse({cx + 2, by + 1}, pointy ? 22.0f : 25.0f, pointy ? 3.2f : 4.5f, hm, 35, 0.1f);
        if (!pointy) {
            // Straw or oilskin: bands across the crown.
            for (int y = 0; y < 64; y++)
                for (int x = 0; x < 64; x++) {
                    size_t i = (size_t)y * 64 + x;
                    if (fg.depth[i] >= 33 && fg.depth[i] < 36 && y % 3 == 0) fg.col[i] = shift(fg.col[i], -1);
                }
        }
        break;
    }
    case p_hat::cap: {
        float by = cy - 8;
        fg.ellipse({cx - 1, by - 2}, rx + 2.5f, 7.5f, hm, 33, 0.05f);
        fg.body({cx - rx - 2, by + 2}, 1.8f, {fx + 10, by + 2}, 1.8f, ht, 34, 0.05f, 0.5f);
        break;
    }
    case p_hat::scarf: {
        fg.shape(
            0, 0, 64, 64,
            [=](float x, float y) {
                bool shell = in_e(x, y, cx - 1, cy - 1, rx + 3, ry + 2.5f) && (y < cy - 6 - (x > fx ? (x - fx) * 0.3f : 0) || x < cx - 6);
                bool knot = in_e(x, y, cx - rx - 1, cy + 13, 4, 6.5f);
                return shell || knot;
            },
            dome(cx - 3, cy - 4, rx + 4, ry + 4), hm, 33, 0.05f, -1);
        break;
    }
    case p_hat::crown:
    case p_hat::circlet: {
        float by = cy - 8;
        fg.body({cx - rx - 1, by}, 1.8f, {fx + 9, by + 1}, 1.8f, hm, 34, 0.1f, 0.3f);
        if (f.hat == p_hat::crown)
            for (int i = 0; i < 4; i++) {
                float x = cx - rx + 3 + (float)i * 7.0f;
                fg.poly({{x - 2.8f, by}, {x, by - 7 - (float)(i % 2) * 2}, {x + 2.8f, by}}, hm, 34, 0.1f, {-0.3f, -0.5f, 0.8f});
            }
        fg.ellipse({fx + 1, by + 0.5f}, 1.6f, 1.6f, f.hat == p_hat::crown ? M(pal::CLOTH_RED, 3, 7) : M(pal::ICE, 1, 4), 35, 0.2f);
        break;
    }
    }

    canvas fig = fg.finish();
    over(out, fig);
    // A coloured light from behind catches the left edges.
    if (f.rim) {
        for (int y = 0; y < 64; y++)
            for (int x = 1; x < 64; x++)
                if (fig.get(x, y) && !fig.get(x - 1, y)) out.set(x, y, (*f.rim)[f.rim->len - 2]);
    }
    return out;
}

// The experience message's emblem: a golden star in a laurel wreath.
canvas draw_emblem()
{
    canvas out(64, 64);
    face_look f;
    f.backdrop = &pal::MAGIC;
    backdrop(out, f);
    glow g(64, 64, {&fx_ramp::GOLDEN});
    g.blob(0, {32, 30}, 22, 0.45f);
    canvas gl = g.render();
    over(out, gl);
    figure fg(64, 64);
    for (int side = -1; side <= 1; side += 2)
        for (int i = 0; i < 7; i++) {
            float a = PI / 2 + (float)side * (0.5f + (float)i * 0.36f);
            v2 p = {32 + std::cos(a) * 21 * (float)1, 33 + std::sin(a) * 21};
            p.x = 32 + (p.x - 32);
            v2 d = dir(a + (float)side * -1.2f) * 3.8f;
            fg.poly({p - d, p + v2{-d.y, d.x} * 0.45f, p + d, p - v2{-d.y, d.x} * 0.45f}, M(pal::GRASS, 2, 9), 5, 0.05f,
                    {-0.3f, -0.5f, 0.8f}, 0.4f);
        }
    std::vector<v2> star;
    for (int i = 0; i < 10; i++) {
        float a = -PI / 2 + (float)i * PI / 5;
        float r = i % 2 ? 6.5f : 15.0f;
        star.push_back({32 + std::cos(a) * r, 31 + std::sin(a) * r});
    }
    fg.poly(star, M(pal::GOLD, 1, 6), 10, 0.1f, {-0.3f, -0.5f, 0.8f}, 0.7f);
    fg.ellipse({32, 31}, 4, 4, M(pal::GOLD, 3, 6), 11, 0.2f);
    over(out, fg.finish());
    return out;
}

face_look base(const mat &skin, const mat &hair, const mat &cloth)
{
    face_look f;
    f.skin = skin;
    f.hair = hair;
    f.cloth = cloth;
    f.iris = M(pal::LEATHER, 1, 6);
    return f;
}

const mat P_FAIR = M(pal::SKIN, 4, 11), P_MID = M(pal::SKIN, 2, 10), P_DARK = M(pal::SKIN, 0, 7);
const mat H_BROWN = M(pal::LEATHER, 2, 8), H_DARK = M(pal::LEATHER, 0, 4), H_BLOND = M(pal::THATCH, 2, 7),
          H_RED = M(pal::TERRACOTTA, 2, 7), H_GREY = M(pal::GREY, 4, 11), H_BLACK = M(pal::SLATE, 0, 3);

struct portrait {
    int number;
    const char *who;
    std::function<canvas()> draw;
};

const std::vector<portrait> &portrait_list()
{
    static const std::vector<portrait> list = [] {
        std::vector<portrait> l;
        auto add = [&](int n, const char *who, face_look f) { l.push_back({n, who, [f] { return draw_face(f); }}); };
        face_look f;

        f = base(P_FAIR, H_BROWN, M(pal::CLOTH_BLUE, 1, 7));
        f.collar = M(pal::CLOTH_RED, 1, 6);
        f.iris = M(pal::CLOTH_BLUE, 2, 7);
        f.mood = p_mood::calm;
        f.backdrop = &pal::CLOTH_BLUE;
        add(0, "the hero", f);

        f = base(P_FAIR, H_RED, M(pal::LEATHER, 2, 8));
        f.hat = p_hat::hood;
        f.hat_m = M(pal::FOLIAGE, 1, 7);
        f.iris = M(pal::FOLIAGE, 2, 8);
        f.lips = M(pal::CLOTH_RED, 2, 6);
        f.jaw = 0.8f;
        f.freckles = true;
        f.mood = p_mood::sly;
        f.backdrop = &pal::FOLIAGE;
        add(1, "ranger", f);

        f = base(P_MID, H_RED, M(pal::STEEL, 1, 7));
        f.body = p_body::plate;
        f.hat = p_hat::kettle;
        f.hat_m = M(pal::STEEL, 2, 7);
        f.beard = p_beard::short_beard;
        f.beard_m = H_RED;
        f.jaw = 1.3f;
        f.mood = p_mood::stern;
        f.backdrop = &pal::CLOTH_RED;
        add(2, "warrior", f);

        f = base(P_FAIR, H_BROWN, M(pal::MAGIC, 0, 6));
        f.body = p_body::robe;
        f.collar = M(pal::GOLD, 2, 6);
        f.hat = p_hat::pointy;
        f.hat_m = M(pal::MAGIC, 0, 6);
        f.hat_trim = M(pal::GOLD, 2, 6);
        f.beard = p_beard::short_beard;
        f.beard_m = H_BROWN;
        f.iris = M(pal::ICE, 0, 4);
        f.backdrop = &pal::MAGIC;
        add(3, "mage", f);

        f = base(P_FAIR, H_BLOND, M(pal::BONE, 3, 9));
        f.body = p_body::robe;
        f.collar = M(pal::GOLD, 2, 6);
        f.hair_style = p_hair::long_hair;
        f.hat = p_hat::circlet;
        f.hat_m = M(pal::GOLD, 2, 6);
        f.lips = M(pal::CLOTH_RED, 3, 7);
        f.iris = M(pal::CLOTH_BLUE, 3, 7);
        f.jaw = 0.75f;
        f.mood = p_mood::smile;
        f.backdrop = &pal::GOLD;
        add(4, "cleric", f);

        f = base(P_FAIR, H_GREY, M(pal::FOLIAGE, 0, 4));
        f.hat = p_hat::hood;
        f.hat_m = M(pal::FOLIAGE, 0, 5);
        f.beard = p_beard::long_beard;
        f.beard_m = H_GREY;
        f.old = true;
        f.mood = p_mood::calm;
        f.backdrop = &pal::WOOD;
        f.rim = &pal::FIRE;
        add(5, "narrator: an old chronicler in a green hood", f);

        f = base(P_MID, H_BLACK, M(pal::SLATE, 1, 6));
        f.hat = p_hat::hood;
        f.hat_m = M(pal::SLATE, 1, 6);
        f.beard = p_beard::stubble;
        f.beard_m = H_BLACK;
        f.scar = true;
        f.mood = p_mood::sly;
        f.backdrop = &pal::SLATE;
        add(6, "rogue", f);

        l.push_back({7, "experience: a golden star in a laurel wreath", [] { return draw_emblem(); }});

        f = base(P_MID, H_RED, M(pal::STEEL, 1, 6));
        f.body = p_body::mail;
        f.hat = p_hat::horned;
        f.hat_m = M(pal::STEEL, 2, 7);
        f.beard = p_beard::long_beard;
        f.beard_m = M(pal::TERRACOTTA, 2, 7);
        f.jaw = 1.4f;
        f.length = 0.9f;
        f.nose = 1.3f;
        f.mood = p_mood::stern;
        f.backdrop = &pal::EARTH;
        add(8, "dwarf", f);

        f = base(P_FAIR, H_BLOND, M(pal::STEEL, 2, 7));
        f.body = p_body::plate;
        f.hat = p_hat::visor;
        f.hat_m = M(pal::STEEL, 2, 7);
        f.hat_trim = M(pal::CLOTH_BLUE, 2, 6);
        f.collar = M(pal::CLOTH_BLUE, 1, 6);
        f.iris = M(pal::CLOTH_BLUE, 2, 7);
        f.jaw = 1.2f;
        f.mood = p_mood::stern;
        f.backdrop = &pal::CLOTH_BLUE;
        add(9, "knight", f);

        f = base(P_MID, H_BROWN, M(pal::SAND, 2, 7));
        f.hat = p_hat::wide;
        f.hat_m = M(pal::THATCH, 2, 7);
        f.beard = p_beard::moustache;
        f.beard_m = H_BROWN;
        f.mood = p_mood::smile;
        f.backdrop = &pal::GRASS;
        add(10, "farmer", f);

        f = base(P_MID, H_GREY, M(pal::GOLD, 1, 5));
        f.body = p_body::coat;
        f.collar = M(pal::GOLD, 1, 5);
        f.hat = p_hat::wide;
        f.hat_m = M(pal::GOLD, 1, 5);
        f.beard = p_beard::short_beard;
        f.beard_m = H_GREY;
        f.old = true;
        f.nose = 1.2f;
        f.mood = p_mood::grim;
        f.backdrop = &pal::WATER;
        add(11, "fisherman: grey beard, yellow oilskin hat", f);

        f = base(P_FAIR, H_BROWN, M(pal::TERRACOTTA, 2, 7));
        f.collar = M(pal::BONE, 4, 9);
        f.hat = p_hat::scarf;
        f.hat_m = M(pal::CLOTH_BLUE, 2, 7);
        f.lips = M(pal::CLOTH_RED, 3, 7);
        f.jaw = 0.8f;
        f.mood = p_mood::smile;
        f.backdrop = &pal::TERRACOTTA;
        add(12, "village woman", f);

        f = base(P_FAIR, H_GREY, M(pal::EARTH, 2, 7));
        f.body = p_body::robe;
        f.hair_style = p_hair::crop;
        f.beard = p_beard::long_beard;
        f.beard_m = H_GREY;
        f.old = true;
        f.nose = 1.2f;
        f.backdrop = &pal::EARTH;
        add(13, "elder", f);

        f = base(P_FAIR, H_GREY, M(pal::CLOTH_BLUE, 1, 6));
        f.body = p_body::robe;
        f.collar = M(pal::BONE, 4, 9);
        f.hat = p_hat::cap;
        f.hat_m = M(pal::CLOTH_RED, 1, 5);
        f.hair_style = p_hair::crop;
        f.beard = p_beard::short_beard;
        f.beard_m = H_GREY;
        f.spectacles = true;
        f.old = true;
        f.backdrop = &pal::CLOTH_BLUE;
        add(14, "scholar", f);

        f = base(P_MID, H_DARK, M(pal::STEEL, 1, 6));
        f.body = p_body::mail;
        f.collar = M(pal::CLOTH_BLUE, 2, 7);
        f.hat = p_hat::kettle;
        f.hat_m = M(pal::STEEL, 2, 7);
        f.beard = p_beard::moustache;
        f.beard_m = H_DARK;
        f.jaw = 1.2f;
        f.mood = p_mood::stern;
        f.backdrop = &pal::SLATE;
        add(15, "town guard", f);

        f = base(P_DARK, H_BLACK, M(pal::BONE, 4, 9));
        f.body = p_body::robe;
        f.collar = M(pal::GOLD, 2, 6);
        f.hat = p_hat::hood;
        f.hat_m = M(pal::BONE, 4, 9);
        f.lips = M(pal::TERRACOTTA, 1, 5);
        f.iris = M(pal::GOLD, 1, 5);
        f.jaw = 0.75f;
        f.backdrop = &pal::GOLD;
        add(16, "priestess", f);

        f = base(P_FAIR, H_DARK, M(pal::CLOTH_RED, 1, 6));
        f.body = p_body::coat;
        f.collar = M(pal::GOLD, 2, 6);
        f.hat = p_hat::cap;
        f.hat_m = M(pal::GOLD, 1, 5);
        f.hat_trim = M(pal::CLOTH_RED, 2, 6);
        f.beard = p_beard::moustache;
        f.beard_m = H_DARK;
        f.jaw = 1.45f;
        f.nose = 1.2f;
        f.mood = p_mood::sly;
        f.backdrop = &pal::CLOTH_RED;
        add(17, "merchant", f);

        f = base(P_MID, H_BLACK, M(pal::SAND, 1, 5));
        f.body = p_body::bare;
        f.collar = M(pal::LEATHER, 1, 6);
        f.hair_style = p_hair::bald;
        f.beard = p_beard::short_beard;
        f.beard_m = M(pal::LEATHER, 0, 3);
        f.jaw = 1.4f;
        f.mood = p_mood::calm;
        f.backdrop = &pal::FIRE;
        add(18, "blacksmith", f);

        f = base(P_FAIR, H_BLOND, M(pal::FOLIAGE, 3, 8));
        f.hair_style = p_hair::wild;
        f.freckles = true;
        f.jaw = 0.7f;
        f.length = 0.85f;
        f.mood = p_mood::smile;
        f.iris = M(pal::CLOTH_BLUE, 3, 7);
        f.backdrop = &pal::GRASS;
        add(19, "child", f);

        f = base(P_FAIR, H_RED, M(pal::CLOTH_BLUE, 2, 7));
        f.collar = M(pal::BONE, 4, 9);
        f.hair_style = p_hair::bun;
        f.lips = M(pal::CLOTH_RED, 3, 7);
        f.iris = M(pal::FOLIAGE, 2, 7);
        f.jaw = 0.95f;
        f.mood = p_mood::smile;
        f.backdrop = &pal::WOOD;
        add(20, "innkeeper", f);

        f = base(P_FAIR, H_DARK, M(pal::MAGIC, 1, 6));
        f.collar = M(pal::GOLD, 2, 6);
        f.hat = p_hat::crown;
        f.hat_m = M(pal::GOLD, 2, 6);
        f.beard = p_beard::short_beard;
        f.beard_m = H_DARK;
        f.mood = p_mood::stern;
        f.backdrop = &pal::MAGIC;
        add(21, "lord", f);

        f = base(P_FAIR, H_GREY, M(pal::GREY, 3, 8));
        f.hat = p_hat::scarf;
        f.hat_m = M(pal::CLOTH_RED, 1, 5);
        f.old = true;
        f.jaw = 0.85f;
        f.nose = 1.25f;
        f.mood = p_mood::smile;
        f.backdrop = &pal::TERRACOTTA;
        add(22, "old woman", f);

        f = base(P_MID, H_BROWN, M(pal::LEATHER, 2, 7));
        f.body = p_body::robe;
        f.hat = p_hat::cowl;
        f.hat_m = M(pal::LEATHER, 2, 7);
        f.mood = p_mood::calm;
        f.backdrop = &pal::EARTH;
        add(23, "monk", f);

        f = base(P_MID, H_DARK, M(pal::LEATHER, 2, 8));
        f.hat = p_hat::hood;
        f.hat_m = M(pal::CLOTH_RED, 0, 4);
        f.beard = p_beard::short_beard;
        f.beard_m = H_DARK;
        f.scar = true;
        f.mood = p_mood::grim;
        f.backdrop = &pal::CLOTH_RED;
        add(24, "bandit", f);

        f = base(M(pal::BONE, 1, 6), mat(), M(pal::MAGIC, 0, 3));
        f.body = p_body::robe;
        f.collar = M(pal::EMERALD, 0, 3);
        f.hat = p_hat::cowl;
        f.hat_m = M(pal::MAGIC, 0, 3);
        f.glow_eyes = true;
        f.eye_glow = pal::EMERALD[4];
        f.mood = p_mood::grim;
        f.length = 1.1f;
        f.backdrop = &pal::EMERALD;
        add(25, "necromancer", f);
        return l;
    }();
    return list;
}

}  // namespace

const std::vector<std::pair<int, const char *>> &portrait_numbers()
{
    static const std::vector<std::pair<int, const char *>> list = [] {
        std::vector<std::pair<int, const char *>> l;
        for (const portrait &p : portrait_list()) l.push_back({p.number, p.who});
        return l;
    }();
    return list;
}

void paint_portrait(canvas &c, int n)
{
    for (const portrait &p : portrait_list())
        if (p.number == n) {
            c = p.draw();
            return;
        }
}

}  // namespace art
