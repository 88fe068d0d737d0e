// content_files_test.cpp -- number reading, names, file names and number text
#include <cstring>

#include "data_fixture.h"

namespace hm {
namespace {

class Reader : public DataTest {
protected:
    std::string text;
    txt_reader in;
    void read(const std::string &t)
    {
        text = t;
        in.open_buffer(text.data(), text.size());
    }
    int next(int unchanged = -777)
    {
        int v = unchanged;
        in.read_int(&v);
        return v;
    }
};

TEST_F(Reader, NumbersReadAsScanfPercentI)
{
    read("12 -7 +3 010 0x1F 0X1f -0x10 08 0x 5\n\t 42");
    EXPECT_EQ(next(), 12);
    EXPECT_EQ(next(), -7);
    EXPECT_EQ(next(), 3);
    EXPECT_EQ(next(), 8);     // a leading 0 is octal
    EXPECT_EQ(next(), 31);
    EXPECT_EQ(next(), 31);
    EXPECT_EQ(next(), -16);
    EXPECT_EQ(next(), 0);     // "08": the octal 0, then the 8 on its own
    EXPECT_EQ(next(), 8);
    EXPECT_EQ(next(), 0);     // "0x" with no hex digit still reads as 0
    EXPECT_EQ(next(), 5);
    EXPECT_EQ(next(), 42);
    EXPECT_FALSE(in.read_int(nullptr));   // the end: no read, no write
}

TEST_F(Reader, ALetterStopsEveryLaterNumber)
{
    read("1 2 x 3 4");
    EXPECT_EQ(next(), 1);
    EXPECT_EQ(next(), 2);
    EXPECT_EQ(next(-1), -1);
    EXPECT_EQ(next(-1), -1);   // the 3 behind the letter is never reached
    EXPECT_EQ(next(99), 99);
    EXPECT_TRUE(in.stopped);

    read("- 5 6");   // a sign must touch its digits
    EXPECT_EQ(next(), -777);
    EXPECT_EQ(next(), -777);
}

TEST_F(Reader, HugeNumbersKeepScanfsLowBits)
{
    read("4294967295 0xFFFFFFFF 99999999999999999999 -2147483649");
    EXPECT_EQ(next(), -1);
    EXPECT_EQ(next(), -1);
    EXPECT_EQ(next(), -1);
    EXPECT_EQ(next(), 2147483647);
}

TEST_F(Reader, NamesAndRecords)
{
    read("Marsh Hag~~~~~~~~~~~~~~~~12 7~second~3~third record~9");
    char name[25];
    EXPECT_EQ(in.read_name(name, 25), 25);
    EXPECT_STREQ(name, "Marsh Hag");
    EXPECT_EQ(next(), 12);
    EXPECT_TRUE(in.skip_records(2));   // past "~second~"
    EXPECT_EQ(next(), 3);
    EXPECT_TRUE(in.skip_records(1));
    std::memset(name, 'x', sizeof name);
    in.read_name(name, 25);
    // A name that fills its 25 characters is cut to 24: it always ends.
    EXPECT_STREQ(name, "third record");
    EXPECT_FALSE(in.skip_records(1));

    read("A name of more than twenty-five letters");
    in.read_name(name, 25);
    EXPECT_EQ(std::strlen(name), 24u);

    read("Ab");   // short input: the rest reads as nothing
    std::memset(name, 'x', sizeof name);
    EXPECT_EQ(in.read_name(name, 25), 2);
    EXPECT_STREQ(name, "Ab");
}

TEST_F(Reader, NamesAndNumbersAfterAStopStillReadCharacters)
{
    read("7 ~Bone~");
    EXPECT_EQ(next(), 7);
    EXPECT_EQ(next(-1), -1);   // '~' is no number
    char name[8];
    in.read_name(name, 6);
    EXPECT_STREQ(name, "");    // the '~' that stopped the number
    EXPECT_EQ(next(-1), -1);
}

TEST_F(Reader, ReadsFilesAsWell)
{
    enter_scratch();
    write_file("n.txt", "0x10\n010 z");
    ASSERT_TRUE(in.open("n.txt"));
    EXPECT_EQ(next(), 16);
    EXPECT_EQ(next(), 8);
    EXPECT_EQ(next(-5), -5);
    EXPECT_FALSE(in.open("missing.txt"));
}

TEST_F(DataTest, FileNames)
{
    loadn('l', 12, EXT_TXT);
    EXPECT_STREQ(xnam, "l12.txt");
    loadn('g', 0, EXT_BMP);
    EXPECT_STREQ(xnam, "g0.bmp");
    loadn('c', -3, EXT_TXT);
    EXPECT_STREQ(xnam, "c-3.txt");
    loadn('m', 2, 7);
    EXPECT_STREQ(xnam, "m2");
    loadn2("npc~", 7, EXT_TXT);
    EXPECT_STREQ(xnam, "npc7.txt");
    loadn2("light_circ~", 3, EXT_BMP);
    EXPECT_STREQ(xnam, "light_circ3.bmp");
    loadn2("face", 9, EXT_BMP);   // no '~': the last name stays
    EXPECT_STREQ(xnam, "light_circ3.bmp");
    loadn2("twenty_letters_long_~", 1, EXT_BMP);   // the '~' must lie in the first 20
    EXPECT_STREQ(xnam, "light_circ3.bmp");
}

TEST_F(DataTest, NumberText)
{
    char buf[12];
    int_to_str(0, buf);
    EXPECT_STREQ(buf, "0");
    int_to_str(-40, buf);
    EXPECT_STREQ(buf, "-40");
    int_to_str(1000, buf);
    EXPECT_STREQ(buf, "1000");
    int_to_str(INT_MIN, buf);
    EXPECT_STREQ(buf, "-2147483648");

    EXPECT_EQ(str_to_int("1a2"), 12);
    EXPECT_EQ(str_to_int("12-"), -12);
    EXPECT_EQ(str_to_int("- 5"), -5);
    EXPECT_EQ(str_to_int("abc"), 0);
    EXPECT_EQ(str_to_int(""), 0);
    // A name typed into a number field saturates instead of overflowing.
    EXPECT_EQ(str_to_int("Hero99999999999"), INT_MAX);
    EXPECT_EQ(str_to_int("-99999999999"), INT_MIN);
    // Only the first 40 characters count.
    EXPECT_EQ(str_to_int("........................................7"), 0);
}

}  // namespace
}  // namespace hm
