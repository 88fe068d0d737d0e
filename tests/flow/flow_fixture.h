// flow_fixture.h -- the title over a private copy of the run directory, with typed names
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/core.h"
#include "../common/test_files.h"
#include "data/data.h"
#include "flow/flow.h"
#include "platform/headless.h"
#include "runner/script.h"
#include "world/world.h"

namespace hm {

class FlowTest : public ::testing::Test, public test_files {
protected:
    std::string home, scratch;   // the shared run directory; a private one linked to it

    void SetUp() override
    {
        char cwd[PATH_MAX], tmpl[] = "/tmp/hm_flow_test_XXXXXX";
        ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        home = cwd;
        scratch = tmpl;
        std::string run = scratch + "/run";
        ASSERT_EQ(mkdir(run.c_str(), 0755), 0);
        // Everything but the players and their saves.
        DIR *d = opendir(cwd);
        while (dirent *e = d ? readdir(d) : nullptr) {
            std::string n = e->d_name;
            if (n[0] != '.' && n != "pnames.txt" && n.find(".cha") == std::string::npos)
                symlink((home + "/" + n).c_str(), (run + "/" + n).c_str());
        }
        if (d) closedir(d);
        ASSERT_EQ(chdir(run.c_str()), 0);

        hl_reset();
        hl_set_frame_hook(nullptr);
        plat_install_tick(inc_jtimer);
        init_mem();
        load_jpal(0, 0, 0);
        load_pic_dat();
        init_wrt_data();
        mx = my = omx = omy = 10;
        mb1 = mb2 = 0;
        title_screen = TITLE_MENU;
        list_first = list_sel = 0;
        title_note(-1);
        std::strcpy(pnames, "^");
    }

    void TearDown() override
    {
        hl_set_frame_hook(nullptr);
        ASSERT_EQ(chdir(home.c_str()), 0);
        delete_mem();
        remove_tree(scratch);
    }


    static bool exists(const std::string &name) { return access(name.c_str(), F_OK) == 0; }



    // The keys of a play script reach the game's loops frame by frame.
    static void script(const std::string &text)
    {
        hl_reset();
        ASSERT_TRUE(script_parse(text, "test", ""));
        script_start(0, 0, false);
        hl_set_frame_hook(script_frame);
    }

    // Creates a player by typing its name (an empty name is Enter alone).
    int create(const std::string &name)
    {
        script((name.empty() ? "" : "type " + name + "\n") + "key ENTER tap\nframes 5\n");
        int r = new_game();
        hl_set_frame_hook(nullptr);
        hl_reset();
        return r;
    }

    // A title frame with the pointer at (x, y) and the left button as given.
    int frame_at(int x, int y, bool left)
    {
        hl_add_mickeys(x - mx, y - my);
        hl_set_button(0, left);
        return title_frame();
    }

    // Button down for a frame, then up: the first result either frame gives.
    int click(int x, int y)
    {
        int r = frame_at(x, y, true), r2 = frame_at(x, y, false);
        return r ? r : r2;
    }

    int tap(int key)
    {
        hl_set_key(key, true);
        int r = title_frame();
        hl_set_key(key, false);
        return r ? r : title_frame();
    }

    void set_list(const std::string &text)
    {
        write_file("pnames.txt", text);
        LorS_pnames(1);
    }

    std::string list_text() const { return std::string(pnames, strnlen(pnames, PNAMES_BYTES)); }

    // A title note in this frame: text over the background under the buttons.
    static bool note_shown()
    {
        for (int i = 228 * SCR_W; i < 238 * SCR_W; i++)
            if (scr_buf[i] != strbg[i] && scr_buf[i] == 71) return true;
        return false;
    }
};

}  // namespace hm
