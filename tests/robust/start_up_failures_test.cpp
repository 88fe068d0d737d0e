// start_up_failures_test.cpp -- a machine whose screen or sound card cannot be opened:
// the game says so and ends instead of drawing to nothing
#include <gtest/gtest.h>

#include "core/core.h"
#include "platform/headless.h"

namespace hm {
namespace {

TEST(StartUp, WithoutAScreenOrSoundTheGameSaysSoAndEnds)
{
    for (bool graphics : {true, false}) {
        hl_reset();
        hl_fail_devices(graphics, !graphics);
        testing::internal::CaptureStderr();
        EXPECT_EQ(hollowmere_main(), 1);
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(graphics ? "graphics mode" : "sound system"), std::string::npos) << said;
        EXPECT_NE(said.find("no such device"), std::string::npos);
    }
    hl_reset();
}

}  // namespace
}  // namespace hm
