// screen_flash.cpp -- a tint over the whole view that fades out over a number of frames
#include "core/core.h"
#include "story/story.h"

namespace hm {

namespace {

int flash_red, flash_green, flash_blue;   // colour added at full strength, may be negative
int flash_time;                           // length in frames
int flash_cnt;                            // frames left

}  // namespace

void new_flash(int time, int r, int g, int b)
{
    flash_time = flash_cnt = time;
    flash_red = r;
    flash_green = g;
    flash_blue = b;
}

void do_flash()
{
    if (flash_cnt <= 0 || flash_time == 0) return;
    j[flash_on] = 1;
    j[flash_r] = (int)((long long)flash_red * flash_cnt / flash_time);
    j[flash_g] = (int)((long long)flash_green * flash_cnt / flash_time);
    j[flash_b] = (int)((long long)flash_blue * flash_cnt / flash_time);
    flash_cnt--;
}

void clear_flash() { flash_cnt = 0; }

}  // namespace hm
