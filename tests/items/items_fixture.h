// items_fixture.h -- the game's tables in a scratch folder, and type files written on the spot
#pragma once

#include <map>
#include <sstream>
#include <string>

#include "../data/data_fixture.h"
#include "items/items.h"

namespace hm {

// Class-1 attribute i: minimum, maximum (never rolled), chance.
struct roll3 {
    int lo, hi, chance;
};

class ItemTest : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        enter_scratch();
        for (int s = 0; s < ISTK_COUNT; s++) clear_istk(s);
    }

    static std::string padded(const std::string &name)
    {
        std::string f = name;
        f.resize(25, '~');
        return f;
    }

    static void equipment_type(int n, const std::string &name, int slot, int wmin, int wmax,
                               const std::map<int, roll3> &attrs, const int need[5] = nullptr)
    {
        std::ostringstream o;
        o << padded(name) << "\n1 " << slot << " " << n << " 20 " << wmin << " " << wmax << "\n";
        for (int i = 1; i <= 79; i++) {
            auto a = attrs.find(i);
            roll3 r = a == attrs.end() ? roll3{0, 0, 0} : a->second;
            o << r.lo << " " << r.hi << " " << r.chance << "\n";
        }
        for (int k = 0; k < 5; k++) o << (need ? need[k] : 0) << " ";
        write_file("i" + std::to_string(n) + ".txt", o.str());
    }

    static void usable_type(int n, const std::string &name, int price, const std::map<int, int> &values)
    {
        std::ostringstream o;
        o << padded(name) << "\n2 -1 " << n << " " << price << " 5 5\n";
        for (int i = 1; i <= 79; i++) {
            auto v = values.find(i);
            o << (v == values.end() ? 0 : v->second) << " ";
        }
        write_file("i" + std::to_string(n) + ".txt", o.str());
    }

    static int stack_entries(int stack, int item)
    {
        int n = 0;
        for (int32_t e : ISTK[stack].item)
            if (e == item) n++;
        return n;
    }
};

}  // namespace hm
