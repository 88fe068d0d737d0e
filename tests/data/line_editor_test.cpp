// line_editor_test.cpp -- typing names and numbers with jscanf, driven through the headless keys
#include <cstring>

#include "data_fixture.h"

namespace hm {
namespace {

// Key changes made at the start of a given frame of the editor (frame 1 is the
// key update at the end of the editor's first frame).
struct key_step {
    int frame, key;
    bool down;
};

std::vector<key_step> steps;
int frames_seen;

void play_steps()
{
    frames_seen++;
    for (const key_step &s : steps)
        if (s.frame == frames_seen) hl_set_key(s.key, s.down);
}

class Editor : public DataTest {
protected:
    void SetUp() override
    {
        DataTest::SetUp();
        steps.clear();
        frames_seen = 0;
        hl_set_frame_hook(play_steps);
    }
    // A key held from frame `at` for `frames` frames.
    void hold(int key, int at, int frames = 1)
    {
        steps.push_back({at, key, true});
        steps.push_back({at + frames, key, false});
    }
};

TEST_F(Editor, ReplaysTheValueThenBackspaceAndEnter)
{
    // 456 is typed again over frames 1..3; Backspace is seen in frame 4.
    hold(K_BACKSPACE, 3);
    hold(K_ENTER, 5);
    int value = 456;
    jtimer = 0;
    long long before = hl_clock_ms();
    jscanf_num(100, 100, &value, 17, 2, 2);
    EXPECT_EQ(value, 45);
    EXPECT_EQ(frames_seen, 6);   // the frame Enter is released ends it
    EXPECT_EQ(hl_clock_ms() - before, 6 * 20);
    // The keys are cleared for whatever comes next.
    EXPECT_EQ(keyr[K_ENTER], EDGE_UP);
}

TEST_F(Editor, TypesLettersDigitsAndShiftedCapitals)
{
    char name[26] = {0};
    steps.push_back({1, K_LSHIFT, true});
    hold(K_H, 1);
    steps.push_back({2, K_LSHIFT, false});
    hold(K_E, 3);
    hold(K_MINUS, 5);
    hold(K_7, 7);
    hold(K_SPACE, 9);
    hold(K_STOP, 11);
    hold(K_ENTER, 13);
    int result = jscanf(40, 40, 24, 17, 0, name, 1);
    EXPECT_STREQ(name, "He-7 .");
    EXPECT_EQ(result, -7);
}

TEST_F(Editor, ShiftReleasedInTheFrameIsUp)
{
    char name[10] = {0};
    steps.push_back({1, K_LSHIFT, true});
    hold(K_B, 2);
    steps.push_back({3, K_LSHIFT, false});
    hold(K_C, 3);
    hold(K_ENTER, 5);
    jscanf(40, 40, 9, 17, 0, name, 2);
    EXPECT_STREQ(name, "Bc");
}

TEST_F(Editor, AWipedScreenIsRepaintedFromTheScreenBuffer)
{
    std::memset(scr_buf, 40, SCR_W * SCR_H);
    ASSERT_NE(jpal_buf[40], jpal_buf[0]);
    // A screen with colour on it is left alone...
    std::vector<uint16_t> lit(SCR_W, jpal_buf[7]);
    for (int y = 0; y < SCR_H; y++) plat_write_line(y, 0, SCR_W, lit.data());
    char buf[10] = {0};
    hold(K_ENTER, 2);
    jscanf(40, 40, 9, 17, 2, buf, 1);
    EXPECT_EQ(hl_screen()[300 * SCR_W + 320], jpal_buf[7]);

    // ... a black one is drawn again from the screen buffer.
    std::vector<uint16_t> black(SCR_W, 0);
    for (int y = 0; y < SCR_H; y++) plat_write_line(y, 0, SCR_W, black.data());
    steps.clear();
    frames_seen = 0;
    hold(K_ENTER, 2);
    jscanf(40, 40, 9, 17, 2, buf, 1);
    EXPECT_EQ(hl_screen()[300 * SCR_W + 320], jpal_buf[40]);
}

TEST_F(Editor, StopsAtItsMaximumLengthWithoutOverrunning)
{
    // Four characters and no terminator inside the length: the replay must stop.
    char buf[5] = {'1', '2', '3', '4', 'X'};
    hold(K_9, 5);
    hold(K_ENTER, 7);
    EXPECT_EQ(jscanf(0, 0, 4, 17, 0, buf, 2), 1234);
    EXPECT_STREQ(buf, "1234");
}

TEST_F(Editor, HeldBackspaceRepeatsEveryFourthFrame)
{
    char buf[20] = "abcdefgh";
    // Replayed in frames 1..8; Backspace held from frame 9 on: it deletes when
    // pressed, after 30 frames held, and every fourth frame after that.
    hold(K_BACKSPACE, 9, 35);
    hold(K_ENTER, 50);
    jscanf(0, 0, 19, 17, 0, buf, 2);
    EXPECT_STREQ(buf, "abcde");
}

TEST_F(Editor, ClosingTheWindowEndsTypingAsEnterDoes)
{
    char buf[10] = "12";
    steps.push_back({4, K_3, true});
    struct local {
        static void hook()
        {
            play_steps();
            if (frames_seen == 6) hl_request_close();
        }
    };
    hl_set_frame_hook(local::hook);
    EXPECT_EQ(jscanf(0, 0, 9, 17, 0, buf, 1), 123);
}

// Escape ends typing where it stands and says so, so that a caller can drop the
// text; the next line that ends with Enter does not say so.
TEST_F(Editor, EscapeEndsTypingAndIsReported)
{
    char name[10] = {0};
    hold(K_A, 1);
    hold(K_ESC, 3);
    hold(K_B, 6);
    jscanf(0, 0, 9, 17, 0, name, 1);
    EXPECT_STREQ(name, "a");
    EXPECT_EQ(jscanf_escaped(), 1);
    EXPECT_EQ(frames_seen, 4);   // the frame Escape is released ends it
    EXPECT_EQ(keyr[K_ESC], EDGE_UP) << "the play screen does not see it and quit";
    steps.clear();
    frames_seen = 0;
    hold(K_ENTER, 1);
    jscanf(0, 0, 9, 17, 0, name, 1);
    EXPECT_EQ(jscanf_escaped(), 0);
}

TEST_F(Editor, DrawsTheTextAndItsCursorOnTheScreen)
{
    char buf[10] = "7";
    hold(K_ENTER, 12);
    jscanf(200, 150, 9, 17, 2, buf, 1);
    const uint16_t *scr = hl_screen();
    int ink = 0, back = 0;
    for (int y = 150; y < 159; y++)
        for (int x = 200; x < 206; x++) {
            ink += scr[y * SCR_W + x] == jpal_buf[17];
            back += scr[y * SCR_W + x] == jpal_buf[2];
        }
    EXPECT_GT(ink, 8);   // the glyph of 7
    EXPECT_GT(back, 8);  // its cell's background
}

}  // namespace
}  // namespace hm
