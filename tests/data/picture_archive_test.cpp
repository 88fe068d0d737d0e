// picture_archive_test.cpp -- run-length rows, building and reading the archive, the store
#include <fstream>
#include <functional>
#include <sstream>

#include "data_fixture.h"

namespace hm {
namespace {

using bytes = std::vector<uint8_t>;

bytes encode(const bytes &row)
{
    bytes out(row.size() * 3 / 2 + 3);
    int n = rle_encode_row(row.data(), (int)row.size(), out.data());
    if (n < 0) return {};
    out.resize((size_t)n);
    return out;
}

TEST(RunLength, TransparentRunsOfFourAndFive)
{
    EXPECT_EQ(encode({7, 0, 0, 0, 0, 7}), (bytes{7, 0, 0, 0, 0, 7}));
    EXPECT_EQ(encode({7, 0, 0, 0, 0, 0, 7}), (bytes{7, 255, 5, 255, 7}));
    EXPECT_EQ(encode({0, 0, 0, 0, 0, 0, 9, 0, 0, 0}), (bytes{255, 6, 255, 9, 0, 0, 0}));
    EXPECT_EQ(encode(bytes(255, 0)), (bytes{255, 255, 255}));
}

TEST(RunLength, RowsThatCannotBeStoredAreRefused)
{
    uint8_t out[600];
    bytes empty(300, 0);
    EXPECT_EQ(rle_encode_row(empty.data(), 300, out), -1);   // the run does not fit a byte
    bytes solid(256, 5);
    EXPECT_EQ(rle_encode_row(solid.data(), 256, out), -1);   // nor does the row's length
    bytes marker = {3, 255, 3};
    EXPECT_EQ(rle_encode_row(marker.data(), 3, out), -1);    // 255 is the marker, never a colour
}

TEST(RunLength, RowsDecodeFromEitherEnd)
{
    hm::srandom(5);
    for (int trial = 0; trial < 200; trial++) {
        int w = 1 + hm::random() % 120;
        bytes row((size_t)w);
        for (uint8_t &p : row) p = hm::random() % 3 ? 0 : (uint8_t)(1 + hm::random() % 254);
        bytes enc = encode(row);
        ASSERT_FALSE(enc.empty());
        bytes fwd((size_t)w, 99), back((size_t)w, 99);
        EXPECT_EQ(rle_decode_row(enc.data(), (int)enc.size(), fwd.data(), w, w), w);
        EXPECT_EQ(rle_decode_row_back(enc.data(), (int)enc.size(), back.data(), w, w), w);
        EXPECT_EQ(fwd, row);
        EXPECT_EQ(back, row);
        // A clipped decode stops after the pixels asked for, from its own end.
        int part = w / 2;
        bytes tail((size_t)w, 99);
        EXPECT_EQ(rle_decode_row_back(enc.data(), (int)enc.size(), tail.data(), w, part), part);
        for (int x = 0; x < w; x++) EXPECT_EQ(tail[(size_t)x], x >= w - part ? row[(size_t)x] : 99);
    }
}

// An 8-bit BMP source as the art generator writes it.
void write_bmp(const std::string &name, int w, int h, const bytes &top_first)
{
    bytes f(1078, 0);
    f[0] = 'B';
    f[1] = 'M';
    f[10] = 0x36;
    f[11] = 0x04;
    f[14] = 40;
    f[18] = (uint8_t)w;
    f[19] = (uint8_t)(w >> 8);
    f[22] = (uint8_t)h;
    f[23] = (uint8_t)(h >> 8);
    f[26] = 1;
    f[28] = 8;
    for (int r = h - 1; r >= 0; r--)
        f.insert(f.end(), top_first.begin() + (size_t)r * w, top_first.begin() + (size_t)(r + 1) * w);
    DataTest::write_file(name, std::string(f.begin(), f.end()));
}

// A picture with a transparent margin around a patterned body.
bytes sprite(int w, int h, int seed)
{
    bytes px((size_t)w * h, 0);
    for (int y = 2; y < h - 1; y++)
        for (int x = (y * 3) % 11; x < w - 2; x++) px[(size_t)y * w + x] = (uint8_t)(1 + (x * 7 + y * 13 + seed) % 250);
    return px;
}

uint32_t u32_at(const std::string &s, size_t at)
{
    return (uint8_t)s[at] | ((uint8_t)s[at + 1] << 8) | ((uint8_t)s[at + 2] << 16) | ((uint32_t)(uint8_t)s[at + 3] << 24);
}

void set_u32(std::string &s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; i++) s[at + i] = (char)(v >> (8 * i));
}

int index_of(int n, int g)
{
    int start = 0;
    for (int k = 0; k < g; k++) start += PICT_SIZE[k];
    return start + n;
}

class Archive : public DataTest {
protected:
    bytes roof61, roof59, roof120, panel;
    void build()
    {
        enter_scratch();
        roof61 = sprite(40, 20, 1);
        roof59 = sprite(60, 40, 2);
        roof120 = sprite(64, 30, 3);
        panel = sprite(96, 16, 4);
        write_bmp("r61.bmp", 40, 20, roof61);
        write_bmp("r59.bmp", 60, 40, roof59);
        write_bmp("r120.bmp", 64, 30, roof120);
        write_bmp("j7.bmp", 96, 16, panel);
        write_bmp("light_circ3.bmp", 8, 4, bytes(32, 9));
        write_bmp("g6.bmp", 6, 2, bytes(12, 1));   // rows would shear: refused
        bytes all_clear((size_t)300 * 2, 0);
        write_bmp("l5.bmp", 300, 2, all_clear);    // run-length rows too long: refused
        ASSERT_EQ(create_bmp_data_file(".", "bmp_data.dat"), 5);
        load_pic_dat();
        load_swad();
    }
    bytes decoded(int n, int g)
    {
        int slot = pic_slot(n, g);
        if (slot < 0) return {};
        const swinf_rec &s = SWINF[slot];
        std::vector<const uint8_t *> rows((size_t)s.height);
        std::vector<int> lens((size_t)s.height);
        EXPECT_EQ(rle_rows(slot, rows.data(), lens.data(), s.height), s.height);
        bytes px((size_t)s.width * s.height);
        for (int r = 0; r < s.height; r++)
            EXPECT_EQ(rle_decode_row(rows[(size_t)r], lens[(size_t)r], &px[(size_t)r * s.width], s.width, s.width),
                      s.width);
        return px;
    }
    void rewrite(const std::function<void(std::string &)> &edit)
    {
        std::string a = read_file("bmp_data.dat");
        edit(a);
        write_file("bmp_data.dat", a);
        load_pic_dat();
        load_swad();
    }
    size_t record_of(const std::string &a, int n, int g)
    {
        return u32_at(a, 4 + u32_at(a, 0) + 4 * (size_t)index_of(n, g));
    }
};

TEST_F(Archive, RoofsSixtyToOneNineteenAreRawOthersRunLength)
{
    build();
    pic_header h;
    bytes data(8000);
    ASSERT_EQ(read_pic(61, 2, &h, data.data(), (int)data.size()), 800);
    EXPECT_EQ(h.extra, 0u);
    EXPECT_EQ(bytes(data.begin(), data.begin() + 800), roof61);
    ASSERT_GT(read_pic(59, 2, &h, nullptr, 0), 0);
    EXPECT_EQ(h.extra, h.size - 40 - 2);   // encoded rows, a length per row and one spare byte
    EXPECT_EQ(decoded(59, 2), roof59);
    EXPECT_EQ(decoded(120, 2), roof120);
    EXPECT_TRUE(pic_is_rle(0, 1) && !pic_is_rle(0, 3) && !pic_is_rle(119, 2) && pic_is_rle(120, 2));
}

TEST_F(Archive, SourcesThatCannotBeStoredAreLeftOut)
{
    build();
    EXPECT_NE(PIC_dat[5][3], 0u);   // light_circ3.bmp through its long prefix
    EXPECT_EQ(PIC_dat[0][6], 0u);
    EXPECT_EQ(PIC_dat[1][5], 0u);
    EXPECT_EQ(pic_slot(6, 0), -1);
}

TEST_F(Archive, APictureIsReadOnceThenDrawnFromTheStore)
{
    build();
    int slot = pic_slot(61, 2);
    ASSERT_EQ(slot, 0);
    EXPECT_EQ(j[swad_used], 800);
    EXPECT_EQ(j[swinf_used], 1);
    EXPECT_EQ(SWINF[slot].width, 40);
    // Without the archive the stored picture still draws; an unloaded one does not.
    std::remove("bmp_data.dat");
    EXPECT_EQ(pic_slot(61, 2), slot);
    EXPECT_EQ(j[swinf_used], 1);
    EXPECT_EQ(pic_slot(59, 2), -1);
    // Emptying the store forgets it.
    load_swad();
    EXPECT_EQ(PIC[2][61], -1);
    EXPECT_EQ(j[swad_used], 0);
}

TEST_F(Archive, AFullStoreRefusesNewPicturesAndKeepsTheOld)
{
    build();
    int first = pic_slot(61, 2);
    ASSERT_GE(first, 0);
    bytes kept(swad + SWINF[first].start, swad + SWINF[first].start + 800);
    j[swad_used] = SWAD_BYTES - 100;   // room for less than the next picture
    EXPECT_EQ(add_pic(7, 7), -1);
    EXPECT_EQ(PIC[7][7], -1);          // tried again after the next emptying
    EXPECT_EQ(j[swinf_used], 1);
    j[swad_used] = 800;
    j[swinf_used] = SWINF_COUNT;       // no record left
    EXPECT_EQ(add_pic(7, 7), -1);
    j[swinf_used] = 1;
    EXPECT_EQ(bytes(swad + SWINF[first].start, swad + SWINF[first].start + 800), kept);
    EXPECT_EQ(pic_slot(61, 2), first);
    EXPECT_GE(pic_slot(7, 7), 1);      // with room again it loads
}

TEST_F(Archive, NumbersOutsideTheirGroupAreNoPicture)
{
    build();
    EXPECT_FALSE(pic_ok(125, 2));
    EXPECT_FALSE(pic_ok(-1, 0));
    EXPECT_FALSE(pic_ok(0, 12));
    EXPECT_TRUE(pic_ok(1249, 3));
    EXPECT_EQ(pic_slot(125, 2), -1);   // would be group 3's picture 0
    EXPECT_EQ(add_pic(60000, 2), -1);
    EXPECT_EQ(read_pic(0, -1, nullptr, nullptr, 0), -1);
}

TEST_F(Archive, ATruncatedArchiveHasNoPictures)
{
    build();
    std::string whole = read_file("bmp_data.dat");
    for (size_t cut : {(size_t)2, (size_t)100, whole.size() / 2, whole.size() - 1}) {
        write_file("bmp_data.dat", whole.substr(0, cut));
        load_pic_dat();
        load_swad();
        EXPECT_EQ(pic_slot(61, 2), -1) << cut;
        EXPECT_EQ(pic_slot(7, 7), -1) << cut;
        EXPECT_EQ(j[swad_used], 0);
    }
}

TEST_F(Archive, AnIndexEntryPastTheEndIsNoPicture)
{
    build();
    rewrite([&](std::string &a) {
        set_u32(a, 4 + u32_at(a, 0) + 4 * (size_t)index_of(61, 2), (uint32_t)a.size() + 100);
        set_u32(a, 4 + u32_at(a, 0) + 4 * (size_t)index_of(59, 2), u32_at(a, 0) + 4 - 8);   // header runs into the index
    });
    EXPECT_EQ(PIC_dat[2][61], 0u);
    EXPECT_EQ(PIC_dat[2][59], 0u);
    EXPECT_EQ(pic_slot(61, 2), -1);
    EXPECT_GE(pic_slot(120, 2), 0);   // the others are untouched
}

TEST_F(Archive, RecordsThatLieAboutTheirSizeAreNoPicture)
{
    build();
    rewrite([&](std::string &a) {
        set_u32(a, record_of(a, 61, 2) + 8, 3000000);             // past the store and the file
        set_u32(a, record_of(a, 7, 7) + 0, 95);                   // w * h no longer the size
        set_u32(a, record_of(a, 3, 5) + 8, 0);                    // no data at all
        size_t r59 = record_of(a, 59, 2);
        uint32_t extra = u32_at(a, r59 + 12);
        a[r59 + 16 + extra + 1] = (char)(uint8_t)(a[r59 + 16 + extra + 1] + 1);   // a row length that lies
    });
    for (auto [n, g] : std::vector<std::pair<int, int>>{{61, 2}, {7, 7}, {3, 5}, {59, 2}}) {
        EXPECT_EQ(pic_slot(n, g), -1) << n << "/" << g;
        EXPECT_EQ(PIC_dat[g][n], 0u) << "marked absent, never read again";
        EXPECT_EQ(read_pic(n, g, nullptr, nullptr, 0), -1);
    }
    EXPECT_EQ(j[swad_used], 0);
    EXPECT_EQ(j[swinf_used], 0);
    EXPECT_EQ(decoded(120, 2), roof120);
}

TEST_F(Archive, StreamedPicturesNeedRoomInTheCallersBuffer)
{
    build();
    pic_header h;
    bytes small(100);
    EXPECT_EQ(read_pic(7, 7, &h, small.data(), (int)small.size()), -1);
    bytes room(96 * 16);
    EXPECT_EQ(read_pic(7, 7, &h, room.data(), (int)room.size()), 96 * 16);
    EXPECT_EQ(room, panel);
    EXPECT_EQ(j[swinf_used], 0);   // streaming leaves the store alone
}

// Every picture the generator lists is in the built archive with its listed size.
TEST_F(DataTest, EveryManifestPictureIsInTheArchive)
{
    std::ifstream list("../art/manifest.txt");
    ASSERT_TRUE(list.good()) << "run from the built run directory";
    std::string line;
    int checked = 0;
    while (std::getline(list, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream in(line);
        int g = -1, n = -1, w = 0, h = 0;
        in >> g >> n >> w >> h;
        ASSERT_TRUE(pic_ok(n, g)) << line;
        pic_header hdr;
        ASSERT_GE(read_pic(n, g, &hdr, nullptr, 0), 0) << line;
        EXPECT_EQ((int)hdr.width, w) << line;
        EXPECT_EQ((int)hdr.height, h) << line;
        checked++;
        // Interface pictures (groups 7..11) are streamed from the archive, never
        // stored; the store holds one level's pictures, so it is emptied when the
        // next picture would not fit.
        if (g >= 7) continue;
        if (j[swad_used] + (int)hdr.size > SWAD_BYTES || j[swinf_used] >= SWINF_COUNT) load_swad();
        EXPECT_GE(pic_slot(n, g), 0) << line;
    }
    EXPECT_GT(checked, 0);
    ASSERT_GE(pic_slot(61, 2), 0);
    EXPECT_EQ(SWINF[PIC[2][61]].end, SWINF[PIC[2][61]].start);   // the flat roof is raw
}

}  // namespace
}  // namespace hm
