// data_fixture.h -- the game's tables with the built content, and a scratch folder for odd files
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {

class DataTest : public ::testing::Test, public test_files {
protected:
    std::string home;      // the run directory the tests start in
    std::string scratch;   // a private folder, made on demand

    void SetUp() override
    {
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        home = cwd;
        start_game_tables();
    }

    void TearDown() override
    {
        ASSERT_EQ(chdir(home.c_str()), 0);
        hl_set_frame_hook(nullptr);
        delete_mem();
        if (!scratch.empty()) remove_tree(scratch);
    }

    // Works in a fresh empty folder from here on.
    void enter_scratch()
    {
        char tmpl[] = "/tmp/hm_data_test_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        scratch = tmpl;
        ASSERT_EQ(chdir(scratch.c_str()), 0);
    }

};

}  // namespace hm
