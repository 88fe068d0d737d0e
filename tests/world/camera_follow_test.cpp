// camera_follow_test.cpp -- the camera that follows the walking leader, when the player asks for it
#include "party/party.h"
#include "world_fixture.h"

namespace hm {
namespace {

class CameraFollow : public WorldTest {};

TEST_F(CameraFollow, ItGlidesToTheWalkingLeaderAndNeverOffTheMap)
{
    ASSERT_EQ(load_p1cr(0), 0);
    j[leader] = 0;
    make_level(1, 4, 26, 78);
    int c = leader_crt();
    ASSERT_GE(c, 0);
    const float fx = f[cam_fx], fy = f[cam_fy];
    CRT[c].x = 40;
    CRT[c].y = 60;
    // Standing still, he leaves the view where the player put it.
    follow_leader();
    EXPECT_EQ(f[cam_fx], fx);
    EXPECT_EQ(f[cam_fy], fy);

    CRT[c].path_step = 0;
    for (int i = 0; i < 200; i++) follow_leader();
    EXPECT_NEAR(f[cam_fx], 40 * 40 + 20 * 60 + 30 - VIEW_W / 2, 1.0);
    EXPECT_NEAR(f[cam_fy], 20 * 60 + 14 - VIEW_H / 2, 1.0);

    // Battles keep their own camera.
    const float bx = f[cam_fx];
    j[battle_stage] = 5;
    CRT[c].x = 60;
    for (int i = 0; i < 50; i++) follow_leader();
    EXPECT_EQ(f[cam_fx], bx);
    j[battle_stage] = 0;

    // Walking along the map's corner, the view stays on the map.
    CRT[c].x = 1;
    CRT[c].y = 1;
    for (int i = 0; i < 300; i++) follow_leader();
    EXPECT_TRUE(cfgoos((int)f[cam_fx], (int)f[cam_fy], 1));
    EXPECT_LT(f[cam_fy], 100.0f);
}

}  // namespace
}  // namespace hm
