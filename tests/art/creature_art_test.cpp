// creature_art_test.cpp -- the figure painter, the sprite sets, the effects, the missiles and the portraits
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "art/creature_sheets.h"
#include "art/effects.h"
#include "art/figure.h"
#include "art/manifest.h"

namespace art {
namespace {

// -- the figure painter ------------------------------------------------------------

bool in_ramp(uint8_t c, const pal::ramp &r)
{
    for (int i = 0; i < r.len; i++)
        if (r.idx[i] == c) return true;
    return false;
}

TEST(FigurePainter, ToneStaysInsideTheMaterialEvenWhenLightOvershoots)
{
    mat m = M(pal::SKIN, 3, 7);
    for (float t = -1.0f; t <= 2.0f; t += 0.05f) {
        uint8_t c = tone(m, t);
        int place = -1;
        const pal::ramp *r = ramp_of(c, &place);
        ASSERT_NE(r, nullptr);
        ASSERT_EQ(r->idx[0], pal::SKIN.idx[0]);
        EXPECT_GE(place, 3);
        EXPECT_LE(place, 7);
    }
    EXPECT_EQ(tone(mat(), 0.5f), 0);   // no material draws nothing
}

TEST(FigurePainter, LightComesFromTheUpperLeft)
{
    figure fg(24, 24);
    fg.ellipse({12, 12}, 9, 9, M(pal::STONE), 1);
    fg.limb({4, 20}, 3, {20, 4}, 3, M(pal::WOOD), 2);
    auto place = [&](int x, int y) {
        int p = -1;
        ramp_of(fg.col[(size_t)y * 24 + x], &p);
        return p;
    };
    EXPECT_GT(place(8, 7), place(16, 17));     // the ball
    EXPECT_GT(place(10, 11), place(14, 14));   // across the tube
}

TEST(FigurePainter, NearerShapeCoversFartherWhateverTheDrawingOrder)
{
    figure fg(20, 20);
    fg.ellipse({10, 10}, 5, 5, M(pal::CLOTH_RED, 2, 6), 5);    // near, drawn first
    fg.ellipse({10, 10}, 8, 8, M(pal::CLOTH_BLUE, 2, 6), 1);   // far, drawn after
    EXPECT_TRUE(in_ramp(fg.col[10 * 20 + 10], pal::CLOTH_RED));
    EXPECT_TRUE(in_ramp(fg.col[10 * 20 + 3], pal::CLOTH_BLUE));
}

TEST(FigurePainter, FartherShapeIsSeamedWhereItMeetsANearerOne)
{
    mat cloth = M(pal::CLOTH_BLUE, 2, 6);
    figure fg(24, 24);
    fg.limb({4, 12}, 3, {20, 12}, 3, cloth, 1);   // a torso
    fg.limb({12, 4}, 1.5f, {12, 20}, 1.5f, cloth, 2);   // an arm across it
    std::vector<uint8_t> before = fg.col;
    fg.seams(2);
    // Torso pixels beside the arm are darker; those away from it keep their tone.
    int place_before = 0, place_after = 0;
    ramp_of(before[12 * 24 + 9], &place_before);
    ramp_of(fg.col[12 * 24 + 9], &place_after);
    EXPECT_EQ(place_after, std::max(0, place_before - 2));
    EXPECT_EQ(fg.col[12 * 24 + 5], before[12 * 24 + 5]);
    // The nearer arm itself is left alone.
    EXPECT_EQ(fg.col[12 * 24 + 12], before[12 * 24 + 12]);
}

TEST(FigurePainter, OutlineTakesTheDarkestOfTheMaterialItBorders)
{
    figure fg(20, 20);
    fg.ellipse({10, 10}, 4, 4, M(pal::GRASS, 3, 8), 1);
    canvas c = fg.finish();
    // Below and right: the shadowed side, the ramp's darkest entry.
    EXPECT_EQ(c.get(10, 14), pal::GRASS.darkest());
    EXPECT_EQ(c.get(14, 10), pal::GRASS.darkest());
    // Above and left: the lit side, one step lighter.
    EXPECT_EQ(c.get(10, 5), pal::GRASS[1]);
    EXPECT_EQ(c.get(5, 10), pal::GRASS[1]);
    EXPECT_EQ(c.get(1, 1), 0);
}

TEST(FigurePainter, GlowingShapesGetNeitherOutlineNorSeam)
{
    figure fg(20, 20);
    fg.ellipse({10, 10}, 3, 3, G(pal::FIRE, 3, 7), 1);
    fg.ellipse({14, 10}, 2, 2, M(pal::STEEL, 2, 6), 5);
    canvas c = fg.finish();
    EXPECT_EQ(c.get(10, 6), 0);   // no outline over the glow
    EXPECT_TRUE(in_ramp(c.get(11, 10), pal::FIRE));
    EXPECT_EQ(c.get(11, 10), fg.col[10 * 20 + 11]);
}

TEST(FigurePainter, ShapesReachingPastTheCanvasAreClipped)
{
    figure fg(8, 8);
    fg.ellipse({-3, -3}, 6, 6, M(pal::STONE), 1);
    fg.limb({-10, 4}, 2, {20, 4}, 2, M(pal::WOOD), 2);
    fg.thin({-5, -5}, {12, 12}, pal::WHITE, 3);
    canvas c = fg.finish();
    EXPECT_NE(c.get(0, 0), 0);
    EXPECT_NE(c.get(7, 4), 0);
}

// -- the manifest as the family painted it ------------------------------------------

struct painted {
    std::map<std::pair<int, int>, canvas> pics;   // (group, number) -> picture
    std::map<std::pair<int, int>, std::string> purpose;

    painted()
    {
        std::vector<std::string> errors;
        for (const pic_entry &e : manifest(errors)) {
            if (e.group != 3 && e.group != 4 && e.group != 6 && e.group != 11) continue;
            canvas c(e.w, e.h);
            e.paint(c, e.number);
            pics[{e.group, e.number}] = c;
            purpose[{e.group, e.number}] = e.purpose;
        }
        EXPECT_TRUE(errors.empty());
    }
    const canvas *get(int g, int n) const
    {
        auto it = pics.find({g, n});
        return it == pics.end() ? nullptr : &it->second;
    }
};

const painted &family()
{
    static const painted p;
    return p;
}

int opaque(const canvas &c)
{
    return (int)std::count_if(c.px.begin(), c.px.end(), [](uint8_t v) { return v != 0; });
}

struct box {
    int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
};
box bounds(const canvas &c)
{
    box b;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            if (c.get(x, y)) {
                b.x0 = std::min(b.x0, x), b.y0 = std::min(b.y0, y);
                b.x1 = std::max(b.x1, x), b.y1 = std::max(b.y1, y);
            }
    return b;
}

// -- sprite sets ----------------------------------------------------------------------

TEST(SpriteSets, EveryFrameIsDrawnAtItsSetsSize)
{
    ASSERT_GE(sprite_sets().size(), 30u);
    for (const sprite_info &s : sprite_sets()) {
        const canvas *first = family().get(3, s.base);
        ASSERT_NE(first, nullptr) << s.who;
        EXPECT_GE(first->h, 16) << s.who;
        EXPECT_LE(first->w, 80) << s.who;
        for (int f = 0; f < 10; f++) {
            const canvas *c = family().get(3, s.base + f);
            ASSERT_NE(c, nullptr) << s.who << " frame " << f;
            EXPECT_EQ(c->w, first->w) << s.who << " frame " << f;
            EXPECT_EQ(c->h, first->h) << s.who << " frame " << f;
            EXPECT_GT(opaque(*c), 40) << s.who << " frame " << f;
        }
    }
}

TEST(SpriteSets, NothingIsCutOffAtThePicturesEdges)
{
    // A weapon or wing running off the side or the top would be cut off in the game.
    for (const sprite_info &s : sprite_sets())
        for (int f = 0; f < 10; f++) {
            box b = bounds(*family().get(3, s.base + f));
            const canvas &c = *family().get(3, s.base + f);
            EXPECT_GT(b.x0, 0) << s.who << " frame " << f;
            EXPECT_LT(b.x1, c.w - 1) << s.who << " frame " << f;
            EXPECT_GT(b.y0, 0) << s.who << " frame " << f;
        }
}

TEST(SpriteSets, TheChangedShapesHaveTheirFixedNumbers)
{
    std::map<int, bool> flies;
    for (const sprite_info &s : sprite_sets()) flies[s.base] = s.flies;
    ASSERT_TRUE(flies.count(320));
    ASSERT_TRUE(flies.count(340));
    EXPECT_FALSE(flies[320]);
    EXPECT_TRUE(flies[340]);
    // A pic_base of 340 shows a new walking frame every frame: six different wing beats.
    std::set<std::vector<uint8_t>> beats;
    for (int f = 0; f < 6; f++) beats.insert(family().get(3, 340 + f)->px);
    EXPECT_EQ(beats.size(), 6u);
}

TEST(SpriteSets, WalkersStandCentredOnTheBottomLine)
{
    for (const sprite_info &s : sprite_sets()) {
        if (s.flies) continue;
        for (int f : {0, 1, 2, 3, 4, 5, 6, 7, 9}) {
            const canvas &c = *family().get(3, s.base + f);
            box b = bounds(c);
            // Feet on the anchor line (floating spirits hover a little above it).
            EXPECT_GE(b.y1, c.h - 8) << s.who << " frame " << f;
            if (f > 5) continue;
            // The body's middle on the anchor column.
            int sum = 0, n = 0;
            for (int y = c.h / 2; y < c.h; y++)
                for (int x = 0; x < c.w; x++)
                    if (c.get(x, y)) sum += x, n++;
            ASSERT_GT(n, 0) << s.who;
            EXPECT_NEAR((float)sum / (float)n, (float)c.w / 2, 8.0f) << s.who << " frame " << f;
        }
    }
}

TEST(SpriteSets, WalkingMovesStrikingLungesAndTheDeadLieDown)
{
    for (const sprite_info &s : sprite_sets()) {
        std::set<std::vector<uint8_t>> walk;
        for (int f = 0; f < 6; f++) walk.insert(family().get(3, s.base + f)->px);
        EXPECT_GE(walk.size(), 4u) << s.who;
        const canvas &aim = *family().get(3, s.base + 6), &strike = *family().get(3, s.base + 7);
        EXPECT_NE(aim.px, strike.px) << s.who;
        EXPECT_NE(strike.px, family().get(3, s.base)->px) << s.who;
        EXPECT_NE(family().get(3, s.base + 9)->px, family().get(3, s.base)->px) << s.who;
        box dead = bounds(*family().get(3, s.base + 8));
        box stand = bounds(*family().get(3, s.base));
        EXPECT_GT(dead.x1 - dead.x0, dead.y1 - dead.y0) << s.who;
        EXPECT_LT(dead.y1 - dead.y0, stand.y1 - stand.y0) << s.who;
    }
}

TEST(SpriteSets, StrikesReachForwardTheWayTheSpritesFace)
{
    // Sprites face right (the game mirrors them): a blow reaches further right than
    // standing does, and a shooter aiming holds the bow out in front.
    for (const sprite_info &s : sprite_sets()) {
        std::string who = s.who;
        int rest = bounds(*family().get(3, s.base)).x1;
        if (who.find("shoots") != std::string::npos) {
            EXPECT_GT(bounds(*family().get(3, s.base + 6)).x1, rest) << who;
            continue;
        }
        EXPECT_GT(bounds(*family().get(3, s.base + 7)).x1, rest) << who;
    }
}

// -- effects --------------------------------------------------------------------------

// Every picture the animation kinds and their callers name, with the width their
// drawing offsets give.
struct named_fx {
    int first, count, w, h;
};
const named_fx ANIMATIONS[] = {
    {0, 240, 32, 32},  {250, 80, 32, 32}, {330, 2, 8, 8},    {332, 8, 16, 16}, {340, 20, 32, 32},
    {361, 1, 32, 32},  {362, 4, 20, 20},  {366, 1, 8, 8},    {370, 12, 32, 40}, {382, 8, 32, 104},
    {390, 7, 24, 24},  {397, 3, 32, 32},  {400, 10, 64, 74}, {410, 20, 8, 8},  {430, 1, 16, 16},
};

TEST(Effects, EveryNamedAnimationPictureIsThereAndVisible)
{
    for (const named_fx &a : ANIMATIONS)
        for (int n = a.first; n < a.first + a.count; n++) {
            const canvas *c = family().get(6, n);
            ASSERT_NE(c, nullptr) << n;
            EXPECT_EQ(c->w, a.w) << n;
            EXPECT_EQ(c->h, a.h) << n;
            EXPECT_GT(opaque(*c), 3) << n;
        }
    // Numbers no caller uses stay free.
    for (int n : {240, 249, 360, 367, 369, 431})
        EXPECT_EQ(family().get(6, n), nullptr) << n;
}

TEST(Effects, TenFrameSetsAnimate)
{
    for (int first = 0; first <= 320; first += 10) {
        if (first == 240) continue;
        std::set<std::vector<uint8_t>> frames;
        for (int k = 0; k < 10; k++) frames.insert(family().get(6, first + k)->px);
        EXPECT_GE(frames.size(), 5u) << first;
    }
}

TEST(GlowField, StrongLightIsSolidAndFaintLightDissolves)
{
    glow g(32, 32, {&fx_ramp::FIRE});
    g.blob(0, {16, 16}, 12, 1.2f);
    canvas c = g.render();
    EXPECT_EQ(c.get(16, 16), fx_ramp::FIRE.brightest());
    EXPECT_EQ(c.get(0, 0), 0);
    // Towards the rim the light thins out into scattered pixels.
    int rim = 0, rim_lit = 0;
    for (int x = 0; x < 32; x++)
        for (int y = 0; y < 32; y++) {
            float d = std::sqrt((float)((x - 16) * (x - 16) + (y - 16) * (y - 16)));
            if (d > 9.0f && d < 10.5f) rim++, rim_lit += c.get(x, y) != 0;
        }
    EXPECT_GT(rim_lit, 0);
    EXPECT_LT(rim_lit, rim);
    EXPECT_EQ(g.render(0.05f).px, canvas(32, 32).px);   // faded right out
}

TEST(GlowField, EachPixelTakesTheColourOfItsStrongestLight)
{
    glow g(16, 8, {&fx_ramp::FROST, &fx_ramp::POISON});
    g.blob(0, {4, 4}, 4, 1.0f);
    g.blob(1, {12, 4}, 4, 1.0f);
    canvas c = g.render();
    EXPECT_TRUE(in_ramp(c.get(4, 4), fx_ramp::FROST));
    EXPECT_TRUE(in_ramp(c.get(12, 4), fx_ramp::POISON));
}

// -- missiles and portraits ------------------------------------------------------------

TEST(Missiles, EveryLookHasItsPictureAndTheLockKeepsItsNumbers)
{
    for (int n = 0; n < 8; n++) {
        const canvas *c = family().get(4, n);
        ASSERT_NE(c, nullptr) << n;
        EXPECT_EQ(c->w, 20);
        EXPECT_EQ(c->h, 20);
    }
    for (int n = 16; n <= 19; n++) {
        const canvas *c = family().get(4, n);
        ASSERT_NE(c, nullptr) << n;
        EXPECT_GT(opaque(*c), 50) << n;
    }
    // The frost shard points up: the game's rotation turns the picture's top to the
    // direction of flight.
    box shard = bounds(*family().get(4, 16));
    EXPECT_GT(shard.y1 - shard.y0, 2 * (shard.x1 - shard.x0));
    for (int n = 10; n <= 14; n++) {
        auto it = family().purpose.find({4, n});
        if (it != family().purpose.end()) {
            EXPECT_NE(it->second.find("lock"), std::string::npos) << n;
        }
    }
}

TEST(Portraits, TheStorysSpeakersAreThereAndEveryPortraitIsFilledAndOwnFace)
{
    for (int n : {5, 7, 11}) ASSERT_NE(family().get(11, n), nullptr) << n;
    std::set<std::vector<uint8_t>> faces;
    int count = 0;
    for (const auto &p : family().pics) {
        if (p.first.first != 11) continue;
        count++;
        EXPECT_EQ(p.second.w, 64);
        EXPECT_EQ(p.second.h, 64);
        EXPECT_EQ(opaque(p.second), 64 * 64) << p.first.second;   // a dark backdrop, no holes
        faces.insert(p.second.px);
    }
    EXPECT_GE(count, 20);
    EXPECT_EQ((int)faces.size(), count);
}

}  // namespace
}  // namespace art
