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

#include "core/core.h"
#include "data/data.h"
#include "platform/headless.h"
#include "world/world.h"

namespace hm {

class DataTest : public ::testing::Test {
protected:
    std::string home;      // the run directory the tests start in
    std::string scratch;   // a private folder, made on demand

    void SetUp() override
    {
        char cwd[PATH_MAX];
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        home = cwd;
        hl_reset();
        hl_set_frame_hook(nullptr);
        plat_install_tick(inc_jtimer);
        init_mem();
        load_jpal(0, 0, 0);
        load_swad();
        load_pic_dat();
        init_wrt_data();
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

public:
    // The scratch folder holds files and empty folders only.
    static void remove_tree(const std::string &dir)
    {
        if (DIR *d = opendir(dir.c_str())) {
            while (dirent *e = readdir(d)) {
                std::string name = e->d_name;
                if (name == "." || name == "..") continue;
                std::string path = dir + "/" + name;
                if (std::remove(path.c_str()) != 0) remove_tree(path);
            }
            closedir(d);
        }
        rmdir(dir.c_str());
    }

    static void write_file(const std::string &name, const std::string &bytes)
    {
        FILE *out = std::fopen(name.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }

    static std::string read_file(const std::string &name)
    {
        std::string s;
        FILE *in = std::fopen(name.c_str(), "rb");
        if (!in) return s;
        for (int c; (c = std::fgetc(in)) >= 0;) s += (char)c;
        std::fclose(in);
        return s;
    }
};

}  // namespace hm
