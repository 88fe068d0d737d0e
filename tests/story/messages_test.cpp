// messages_test.cpp -- the message queue, the text box and the speech box, and the screen flash
#include "story_fixture.h"

namespace hm {

namespace {

class MessageTest : public StoryTest {
protected:
    static int queued()
    {
        int n = 0;
        for (int k = 0; k < MES_COUNT; k++) n += mes[k].in_use;
        return n;
    }
};

TEST_F(MessageTest, QueueTakesTheLowestFreeSlotAndDropsWhatDoesNotFit)
{
    new_message(1, 5, 0, 0, 16, 0, 0, 0, 0, "Narrator");
    EXPECT_EQ(queued(), 0) << "a message of text group 0 is never queued";
    EXPECT_EQ(messages_clear(), 1);

    for (int k = 0; k < MES_COUNT; k++) new_message(1, 5, k, 14, 16, 0, k, 0, 0, "Narrator");
    EXPECT_EQ(queued(), MES_COUNT);
    new_message(1, 5, 99, 14, 16, 0, 0, 0, 0, "Late");
    EXPECT_EQ(queued(), MES_COUNT) << "a 26th message is dropped";
    for (int k = 0; k < MES_COUNT; k++) EXPECT_EQ(mes[k].num, k);

    // A slot freed below waiting ones is taken first by the next message.
    mes[3].in_use = 0;
    new_message(1, 7, 42, 16, 17, 0, 0, 0, 0, "Exp");
    EXPECT_EQ(mes[3].num, 42);
    EXPECT_STREQ(mes[3].name, "Exp");
    EXPECT_EQ(messages_clear(), 0);
}

TEST_F(MessageTest, LongNamesAreCutAndTerminated)
{
    std::string longname(80, 'x');
    new_message(1, -1, 0, 14, 16, 0, 0, 0, 0, longname.c_str());
    EXPECT_EQ(std::strlen(mes[0].name), (size_t)MES_NAME_LEN - 1);
    new_message(1, -1, 0, 14, 16, 0, 0, 0, 0, nullptr);
    EXPECT_STREQ(mes[1].name, "");
}

TEST_F(MessageTest, ShownOneAtATimeAndNotDuringATalk)
{
    new_message(1, 5, 0, 14, 16, 0, 0, 0, 0, "Narrator");
    new_message(1, 7, 0, 16, 17, 0, 40, 0, 0, "Exp");
    j[party_hold] = 1;

    j[talk_state] = 3;
    j[mes_showing] = 0;
    show_messages();
    EXPECT_EQ(j[mes_showing], 0) << "a conversation keeps the queue waiting";
    EXPECT_EQ(j[party_hold], 1);

    j[talk_state] = 0;
    pointer_at_view(300, 200);
    show_messages();
    EXPECT_EQ(j[mes_showing], 1);
    EXPECT_EQ(j[party_hold], 0);
    EXPECT_EQ(queued(), 2) << "nothing is taken away without a click";

    // The continue button stands H + 44 .. H + 60 down the box just drawn:
    // clicking along that row finds it.
    int H = std::max((int)j[text_h], 24);
    bool closed = false;
    for (int x = 0; x < VIEW_W && !closed; x += 4) {
        click_view(x, H + 52);
        fill_view(0);
        show_messages();
        closed = queued() == 1;
    }
    ASSERT_TRUE(closed);
    EXPECT_EQ(j[lmb_down], 0) << "the click is used up by the box";
    EXPECT_EQ(mes[0].in_use, 0) << "the lowest slot is shown first";
    EXPECT_EQ(mes[1].in_use, 1);
    EXPECT_EQ(messages_clear(), 0);

    mes[1].in_use = 0;
    EXPECT_EQ(messages_clear(), 1);
    show_messages();
    EXPECT_EQ(j[mes_showing], 0);
}

TEST_F(MessageTest, SpeechButtonAnswersOnlyInsideItsSquare)
{
    pointer_at_view(0, 0);
    do_speech(5, 0, 14, 16, 0, 0, 0, 0, "Narrator");
    // Width: the text's, or the name's plus 80 when that is wider.
    int named = 0;
    for (const char *c = "Narrator"; *c; c++) named += char_width((unsigned char)*c);
    int W = std::max(named + 80, (int)j[text_w]), H = std::max((int)j[text_h], 24);

    click_view(W + 4, H + 50);
    EXPECT_EQ(do_speech(5, 0, 14, 16, 0, 0, 0, 0, "Narrator"), 0) << "the square's edge is outside";
    click_view(W + 12, H + 60);
    EXPECT_EQ(do_speech(5, 0, 14, 16, 0, 0, 0, 0, "Narrator"), 0);
    click_view(W + 12, H + 52);
    EXPECT_EQ(do_speech(5, 0, 14, 16, 0, 0, 0, 0, "Narrator"), 1);
    EXPECT_EQ(j[lmb_down], 0);
    pointer_at_view(W + 12, H + 52);
    EXPECT_EQ(do_speech(5, 0, 14, 16, 0, 0, 0, 0, "Narrator"), 0) << "a resting pointer clicks nothing";
}

TEST_F(MessageTest, TextBoxIsClampedToTheViewAndNeverSmallerThanItsCorners)
{
    const uint16_t ground = plat_makecol(200, 120, 40);
    uint16_t outer = jpal_buf[125], inner = jpal_buf[125 + 7];

    fill_view(ground);
    draw_tbox(0, 0, 500, 100, 1);
    EXPECT_EQ(view_at(399, 50), outer) << "asked 500 wide at x 0, drawn 400 wide";
    EXPECT_EQ(view_at(392, 50), inner);
    EXPECT_EQ(view_at(0, 50), outer);
    EXPECT_EQ(view_at(200, 120), ground) << "below the box the view is untouched";

    fill_view(ground);
    draw_tbox(0, 0, 20, 20, 1);
    EXPECT_EQ(view_at(83, 42), outer) << "asked 20 wide, drawn 84 wide";
    EXPECT_EQ(view_at(84, 42), ground);
    EXPECT_EQ(view_at(42, 83), outer) << "and 84 high";
    EXPECT_EQ(view_at(42, 84), ground);

    fill_view(ground);
    draw_tbox(300, 200, 300, 300, 1);
    EXPECT_EQ(view_at(399, 220), jpal_buf[125]) << "clamped at the view's edges";
}

TEST_F(MessageTest, TextBoxDarkensItsInsideByStyle)
{
    const uint16_t ground = plat_makecol(200, 120, 40);
    int r = plat_getr(ground), g = plat_getg(ground), b = plat_getb(ground);

    fill_view(ground);
    draw_tbox(0, 0, 200, 100, 1);
    EXPECT_EQ(view_at(100, 50), plat_makecol(r / 4, (64 * g + 2880) / 256, (64 * b + 5952) / 256));
    EXPECT_EQ(view_at(8, 50), view_at(100, 50)) << "the inside starts 8 pixels in";
    EXPECT_EQ(view_at(7, 50), jpal_buf[125 + 7]);

    fill_view(ground);
    draw_tbox(0, 0, 200, 100, 2);
    EXPECT_EQ(view_at(100, 50), plat_makecol((64 * r + 5952) / 256, (64 * g + 5952) / 256, b / 4));
    EXPECT_EQ(view_at(0, 50), jpal_buf[137]);
}

TEST_F(MessageTest, FlashFadesLinearlyAndEnds)
{
    new_flash(50, 64, 64, 64);
    std::vector<int> seen;
    for (int frame = 0; frame < 60; frame++) {
        j[flash_on] = 0;
        do_flash();
        if (!j[flash_on]) break;
        seen.push_back(j[flash_r]);
        EXPECT_EQ(j[flash_g], j[flash_r]);
    }
    ASSERT_EQ(seen.size(), 50u) << "the fifty-first frame has no flash";
    EXPECT_EQ(seen[0], 64);
    EXPECT_EQ(seen[1], 62);
    EXPECT_EQ(seen[49], 1);

    new_flash(10, -56, 0, 12);
    j[flash_on] = 0;
    do_flash();
    EXPECT_EQ(j[flash_r], -56) << "a dark flash subtracts";
    new_flash(4, 64, 64, 64);
    do_flash();
    EXPECT_EQ(j[flash_r], 64) << "a new flash replaces the one in progress";

    new_flash(0, 64, 64, 64);
    j[flash_on] = 0;
    do_flash();
    EXPECT_EQ(j[flash_on], 0) << "a flash of no length does nothing";

    new_flash(30, 64, 64, 64);
    init_npc_walks();
    j[flash_on] = 0;
    do_flash();
    EXPECT_EQ(j[flash_on], 0) << "a new game ends the old game's flash";
}

}  // namespace

}  // namespace hm
