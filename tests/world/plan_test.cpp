// plan_test.cpp -- level plans compiled by hm_levels and read back by the game
#include <cstdlib>

#include "world_fixture.h"

namespace hm {
namespace {

class Plans : public WorldTest {
protected:
    std::string errors;

    // Compiles plan text as file `name`; true when the tool succeeded.
    bool compile(const std::string &name, const std::string &text, const std::string &tiles = "")
    {
        if (scratch.empty()) enter_scratch();
        write_file(name, text);
        std::string cmd = "'" + home + "/../hm_levels' " + name + " out.txt " + tiles + " 2> errors.txt";
        int status = std::system(cmd.c_str());
        errors = read_file("errors.txt");
        return status == 0;
    }
};

const char *const GOOD = R"(# a plan with one of everything
name Test yard
stat start_x 12
stat south_lev 7
stat south_y 3
stat 40 -9
stat roof_height 30

legend ground
g 1   grass
= 32  blocking
end
legend object
W 150 wall
end
legend roof
t 61
end
legend light
- -4
+ 12
end

fill ground g
grid ground
#  |0123456789
 3|..==..  =
end
grid object
 4|  W.W
end
put object 59 at 99 99
rect roof t from 2 4 to 4 5
grid roof_light
 5|  -+-
end
fill ground2 0

spawner 3
  at 20 30
  creature 4 2
  creature 5 3
  loot 9 40
end
spawner 4
  at 1 1
  off
end
chest 2
  at 5 6
  item 7 1234 60
  item 8 99
  trap delete
  discs 8
  face left
  resist 10 20 30
end
)";

TEST_F(Plans, APlanBecomesTheLevelItDescribes)
{
    ASSERT_TRUE(compile("l17.plan", GOOD)) << errors;
    ASSERT_EQ(rename("out.txt", "l17.txt"), 0);
    load_level(17, 1);
    EXPECT_STREQ(lev_nam, "Test yard");
    EXPECT_EQ(lsts[lev_id], 17);
    EXPECT_EQ(lsts[start_x], 12);
    EXPECT_EQ(lsts[south_lev], 7);
    EXPECT_EQ(lsts[south_y], 3);
    EXPECT_EQ(lsts[south_x], 50);   // untouched statistics keep the empty level's values
    EXPECT_EQ(lsts[40], -9);
    EXPECT_EQ(lsts[roof_height], 30);

    // Grid characters by column; '.' and spaces leave a cell as it was.
    for (int c = 0; c < 10; c++) EXPECT_EQ(gr[c + 300], c == 2 || c == 3 || c == 8 ? 32 : 1) << "column " << c;
    EXPECT_EQ(ls[2 + 400], 150);
    EXPECT_EQ(ls[3 + 400], 0);
    EXPECT_EQ(ls[9999], 59);
    for (int r = 3; r <= 6; r++)
        for (int c = 1; c <= 5; c++)
            EXPECT_EQ(rf[c + MAP_W * r], r >= 4 && r <= 5 && c >= 2 && c <= 4 ? 61 : 0) << c << ", " << r;
    EXPECT_EQ(rf_lt[2 + 500], -4);
    EXPECT_EQ(rf_lt[3 + 500], 12);
    EXPECT_EQ(rf_lt[5 + 500], 0);

    const spawner_rec &s = crt_spawner[3];
    EXPECT_EQ(s.active, 1);
    EXPECT_EQ(s.y, 30);
    EXPECT_EQ(s.trigger, 10);
    EXPECT_EQ(s.id, 17 * SPAWNER_COUNT + 3);
    EXPECT_EQ(s.crt_levels[1], 3);
    EXPECT_EQ(s.crt_types[2], -1);
    EXPECT_EQ(s.loot_chances[0], 40);
    EXPECT_EQ(crt_spawner[4].active, 0);
    EXPECT_EQ(crt_spawner[0].trigger, 12);   // the empty level's spawner

    int found = -1;
    for (int i = 0; i < CHEST_COUNT; i++)
        if (chest[i].in_use) {
            EXPECT_EQ(found, -1);
            found = i;
        }
    ASSERT_GE(found, 0);
    const chest_rec &c = chest[found];
    EXPECT_EQ(c.chest_id, 17 * CHESTS_PER_LEVEL + 2);
    EXPECT_EQ(c.y, 6);
    EXPECT_EQ(c.chest_pic, 99);
    EXPECT_EQ(c.item_seeds[0], 1234);
    EXPECT_EQ(c.item_chance[0], 60);
    EXPECT_EQ(c.item_chance[1], 100);   // the defaults of a new chest where the plan says nothing
    EXPECT_EQ(c.item_types[2], -1);
    EXPECT_EQ(c.trap_state, 3);
    EXPECT_EQ(c.difficulty, 100);
    EXPECT_EQ(c.face_side, 1);
    EXPECT_EQ(c.disc_r[2], 30);
    EXPECT_EQ(c.disc_r[3], 20);
}

TEST_F(Plans, FaultyPlansStopTheBuildAndWriteNothing)
{
    const struct {
        std::string plan;
        const char *says;
    } bad[] = {
        {"grid object\n 4|  W\nend\n", "l5.plan:2: column 2: 'W' is not in the object legend"},
        {"legend roof\nT 125\nend\n", "l5.plan:2: roof legend value 125 is outside 0..124"},
        {"legend ground\ng 1\ng 2\nend\n", "'g' is already in the ground legend"},
        {"legend ground\ng 1\nend\ngrid ground\n1|" + std::string(100, '.') + "g\nend\n", "column 100 is off the map"},
        {"grid ground\n100|\nend\n", "row 100 is off the map"},
        {"grid ground\n1|\n", "has no 'end'"},
        {"put roof 61 at 100 0\n", "column 100 is outside 0..99"},
        {"stat east_lev 400\n", "exit level 400 is outside 0..399"},
        {"name " + std::string(50, 'x') + "\n", "longer than 49"},
        {"chest 1\n  at 1 1\n  difficulty 320\nend\n", "difficulty 320 is outside 0..299"},
        {"chest 1\n  at 1 1\nend\nchest 1\n  at 2 2\nend\n", "chest 1 is given twice"},
        {"spawner 25\n  at 1 1\nend\n", "spawner 25 is outside 0..24"},
    };
    for (const auto &b : bad) {
        SCOPED_TRACE(b.plan);
        std::remove("out.txt");
        EXPECT_FALSE(compile("l5.plan", b.plan));
        EXPECT_NE(errors.find(b.says), std::string::npos) << errors;
        EXPECT_EQ(read_file("out.txt"), "");
    }
    // The level number is the file's.
    EXPECT_FALSE(compile("village.plan", "name x\n"));
    EXPECT_FALSE(compile("l400.plan", "name x\n"));
    EXPECT_TRUE(compile("l399.plan", "name x\n")) << errors;
}

// Water that looks deep must block: by its own ground (32), or by an object that
// the object table says blocks.
TEST_F(Plans, DeepLookingWaterThatDoesNotBlockStopsTheBuild)
{
    const std::string tiles = "'" + home + "/ls_tile.txt'";
    const std::string pond = "put ground 35 at 5 5\nput ground 131 at 6 5\nput ground 134 at 6 6\n";
    EXPECT_FALSE(compile("l5.plan", pond, tiles));
    EXPECT_NE(errors.find("l5.plan: cell (6, 5): ground 131 looks like deep water but does not block"),
              std::string::npos) << errors;
    EXPECT_NE(errors.find("(and 1 more cells)"), std::string::npos) << errors;
    EXPECT_EQ(read_file("out.txt"), "");
    // Deep water over a second ground counts as well; tall grass (19) lets walkers through.
    EXPECT_FALSE(compile("l5.plan", "put ground2 133 at 2 2\n", tiles));
    EXPECT_FALSE(compile("l5.plan", "put ground 132 at 2 2\nput object 19 at 2 2\n", tiles));
    // Water lilies (24) block, and so does deep water itself; a cell that shows deep
    // water only in one corner, or along one side, is the bank and may be walked.
    EXPECT_TRUE(compile("l5.plan", pond + "put object 24 at 6 5\nput object 24 at 6 6\n", tiles)) << errors;
    EXPECT_TRUE(compile("l5.plan", "put ground 32 at 7 7\nput ground 135 at 8 8\nput ground 127 at 9 9\n", tiles))
        << errors;
    // Without the object table every object blocks.
    EXPECT_TRUE(compile("l5.plan", "put ground 132 at 2 2\nput object 19 at 2 2\n")) << errors;
}

}  // namespace
}  // namespace hm
