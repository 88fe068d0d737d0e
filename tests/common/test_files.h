// test_files.h -- files and folders for the fixtures: scratch trees, whole-file reads and writes
#pragma once

#include <dirent.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "core/core.h"
#include "data/data.h"
#include "game_tables.h"
#include "platform/headless.h"

namespace hm {

struct test_files {
    // Removes a folder of files and folders.
    static void remove_tree(const std::string &dir)
    {
        DIR *d = opendir(dir.c_str());
        while (dirent *e = d ? readdir(d) : nullptr) {
            std::string n = e->d_name;
            if (n != "." && n != ".." && std::remove((dir + "/" + n).c_str()) != 0) remove_tree(dir + "/" + n);
        }
        if (d) closedir(d);
        rmdir(dir.c_str());
    }

    static std::string read_file(const std::string &name)
    {
        std::string s;
        if (FILE *in = std::fopen(name.c_str(), "rb")) {
            for (int c; (c = std::fgetc(in)) >= 0;) s += (char)c;
            std::fclose(in);
        }
        return s;
    }

    static void write_file(const std::string &name, const std::string &bytes)
    {
        FILE *out = std::fopen(name.c_str(), "wb");
        ASSERT_NE(out, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
};

}  // namespace hm
