// headless.h -- controls of the headless backend, for the play-script runner and tests
#pragma once

#include <cstdint>
#include <vector>

namespace hm {

// Called at the start of every frame of whichever loop is running (from the
// key update), before the keys are read: the runner takes its next step here.
void hl_set_frame_hook(void (*hook)());
void hl_reset();                         // all keys and buttons up, screen black, clock at 0
void hl_set_key(int code, bool down);
void hl_set_button(int button, bool down);   // 0 left, 1 right
void hl_add_mickeys(int dx, int dy);
void hl_request_close();                 // the next frames see plat_close_requested()
void hl_set_time(long seconds);          // the calendar clock at virtual millisecond 0
long long hl_clock_ms();                 // virtual milliseconds since start
const uint16_t *hl_screen();             // 640 x 400 pixels
int hl_write_bmp(const char *file);      // the screen as a 24-bit BMP; 0 on success
const char *hl_music_playing();          // file name of the piece playing, "" none
int hl_music_volume();                   // the music volume last asked for
// The screen or the sound card cannot be opened, as on a machine without them.
void hl_fail_devices(bool graphics, bool sound);

// Frame work: the processor time of each frame without the frame hook and the
// pacing wait, in microseconds, kept for every frame while timing is on.
double hl_cpu_us();                       // processor time of this thread
void hl_time_frames(bool on);
std::vector<double> hl_take_frame_work();   // the frames timed so far, handed over

}  // namespace hm
