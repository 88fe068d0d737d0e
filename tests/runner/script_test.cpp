// script_test.cpp -- what the play-script reader takes and refuses
#include <gtest/gtest.h>

#include <string>

#include "runner/script.h"

namespace {

bool reads(const std::string &text) { return hm::script_parse(text, "test.play", ""); }

TEST(PlayScript, TakesEveryFormOfTheBattleCommands)
{
    EXPECT_TRUE(reads("point 12 34\npoint crt 3\nclick left\nclick right 10 20\nsettle\nprint creatures\n"));
    EXPECT_TRUE(reads("expect crt 0 hp > 0\nexpect crt 99 target == -1\nuntil j cur_crt == 1 400\n"
                      "until crt 2 in_use == 0 50\n"));
    // Loops nest and close in order.
    EXPECT_TRUE(reads("while crt 0 hp > 0 100\n  while j shot_on != 2 10\n    key S tap\n  end\n  settle\nend\n"));
}

TEST(PlayScript, RefusesLoopsThatDoNotClose)
{
    EXPECT_FALSE(reads("end\n"));
    EXPECT_FALSE(reads("while j cur_crt == 0 100\nkey S tap\n"));
    EXPECT_FALSE(reads("while j cur_crt == 0 100\nend\nend\n"));
    // A while needs its frame limit, as until does.
    EXPECT_FALSE(reads("while j cur_crt == 0\nend\n"));
    EXPECT_FALSE(reads("until j cur_crt == 0\n"));
    EXPECT_FALSE(reads("until j cur_crt == 0 0\n"));
}

TEST(PlayScript, RefusesCreaturesAndFieldsThatDoNotExist)
{
    EXPECT_FALSE(reads("expect crt 100 hp > 0\n"));
    EXPECT_FALSE(reads("expect crt -1 hp > 0\n"));
    EXPECT_FALSE(reads("expect crt 0 wings > 0\n"));
    EXPECT_TRUE(reads("expect crt 0 mana > 0\n"));
    EXPECT_FALSE(reads("exp 0\n"));
    EXPECT_FALSE(reads("expect crt 0 hp > 0 5\n"));
    EXPECT_FALSE(reads("expect j no_such_slot == 0\n"));
}

TEST(PlayScript, RefusesHalfAPlace)
{
    EXPECT_FALSE(reads("point crt\n"));
    EXPECT_FALSE(reads("point 12\n"));
    EXPECT_FALSE(reads("click left 5\n"));
    EXPECT_FALSE(reads("settle now\n"));
    EXPECT_FALSE(reads("print\n"));
}

}  // namespace
