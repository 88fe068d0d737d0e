// story_saves_test.cpp -- the story across new games and saves
#include <gtest/gtest.h>

#include "../flow/flow_fixture.h"
#include "story/story.h"

namespace hm {

class StorySaves : public FlowTest {
protected:
    // A new game in the village, played up to Isolde's gift.
    static void play_to_the_gift()
    {
        ASSERT_EQ(make_new_state(), 0);
        make_level(1, 4, 26, 78);
        npc[2].answer_state[17] = 1;
        events_main();
        ASSERT_TRUE(event_fired(1));
        ASSERT_TRUE(event_fired(0));
    }
};

TEST_F(StorySaves, ASecondNewGameStartsWithNoEventFired)
{
    play_to_the_gift();
    con[4] = 1;
    npc_walk_to(2, 42, 37, 1000, 1);
    ASSERT_EQ(make_new_state(), 0);
    for (int k = 0; k < EVENT_COUNT; k++) ASSERT_FALSE(event_fired(k)) << "event " << k;
    EXPECT_EQ(event[0].start_level, 0);
    EXPECT_EQ(check_con(4), 0);
    for (const npc_walk_rec &w : npc_walk) EXPECT_EQ(w.in_use, 0);
    // The village comes back whole: her chests are there again.
    make_level(1, 4, 26, 78);
    EXPECT_EQ(chest_state[200], CHEST_UNOPENED);
    EXPECT_NE(ls[37 + MAP_W * 57], 0);
}

TEST_F(StorySaves, FiredEventsComeBackWithTheSaveAndOldSavesHaveNone)
{
    play_to_the_gift();
    int stamp = event[1].fired;
    ASSERT_EQ(write_save("story.cha", 1), 0);
    // The layout alone, as a save from before the story's section.
    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(write_save("plain.cha", 1), 0);

    ASSERT_EQ(make_new_state(), 0);
    ASSERT_EQ(read_save("story.cha"), 1);
    EXPECT_EQ(event[1].fired, stamp);
    EXPECT_EQ(event[0].start_level, 4);
    // The level is made with the yard as the story left it.
    make_level(1, 4, 26, 78);
    EXPECT_EQ(ls[37 + MAP_W * 62], 150);

    ASSERT_EQ(read_save("plain.cha"), 1);
    for (int k = 0; k < STORY_EVENTS; k++) EXPECT_FALSE(event_fired(k)) << "event " << k;
}

}  // namespace hm
