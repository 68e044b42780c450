#include "core/links/DdeFormat.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> Dwords(std::initializer_list<uint32_t> values)
{
    std::vector<unsigned char> bytes;
    for (uint32_t v : values)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    return bytes;
}

const uint32_t UNTOUCHED = 0xCCCCCCCCu;

struct ListCase {
    const char *name;
    std::vector<unsigned char> reply;
    int service;
    int result;
    std::vector<uint32_t> ids;    // the list afterwards, up to the first untouched slot
};

class WindowList : public ::testing::TestWithParam<ListCase> {};

TEST_P(WindowList, ResultAndIds)
{
    const ListCase &c = GetParam();
    uint32_t ids[DDE_MAX_WINDOWS + 1];
    std::fill(std::begin(ids), std::end(ids), UNTOUCHED);
    EXPECT_EQ(c.result, ParseWindowList(c.reply.data(), c.reply.size(), c.service, ids));
    std::vector<uint32_t> written;
    for (uint32_t id : ids) {
        if (id == UNTOUCHED)
            break;
        written.push_back(id);
    }
    EXPECT_EQ(c.ids, written);
    EXPECT_EQ(UNTOUCHED, ids[DDE_MAX_WINDOWS]);
}

const ListCase LIST_CASES[] = {
    {"SevenIdsGiveTheFirstFive", Dwords({11, 12, 13, 14, 15, 16, 17, 0}), BK_NN, 5, {11, 12, 13, 14, 15}},
    {"TwoIds", Dwords({7, 9, 0, 4}), BK_NN, 2, {7, 9}},
    {"OneId", Dwords({0x80000001u, 0}), BK_IE, 1, {0x80000001u}},
    {"ExactlyFiveWithoutEnd", Dwords({1, 2, 3, 4, 5}), BK_NN, 5, {1, 2, 3, 4, 5}},
    {"ZeroFirstIdMeansNoWindows", Dwords({0, 5, 6}), BK_NN, 0, {}},
    {"ZeroFirstIdFromExplorer", Dwords({0, 0xFFFFFFFFu}), BK_IE, 0, {}},
    {"ExplorerOneMinusOneIsOneWindowZero", Dwords({1, 0xFFFFFFFFu, 0}), BK_IE, 1, {0}},
    {"ExplorerRuleIgnoresWhatFollows", Dwords({1, 0xFFFFFFFFu, 8, 9, 0}), BK_IE, 1, {0}},
    {"NetscapeOneMinusOneIsAPlainList", Dwords({1, 0xFFFFFFFFu, 8, 0}), BK_NN, 3, {1, 0xFFFFFFFFu, 8}},
    {"ExplorerWithOnlyTheOne", Dwords({1}), BK_IE, 1, {1}},
    {"ListEndsWhereTheDataEnds", Dwords({21, 22, 23}), BK_NN, 3, {21, 22, 23}},
    {"PartialLastDwordIsZeroFilled", {5, 0, 0, 0, 1, 0}, BK_NN, 2, {5, 1}},
    {"ShortReplyIsOneZeroFilledDword", {2}, BK_NN, 1, {2}},
    {"ZeroBytesMeanTheServiceAnswered", {}, BK_NN, 1, {}},
};

INSTANTIATE_TEST_SUITE_P(Replies, WindowList, ::testing::ValuesIn(LIST_CASES),
                         [](const ::testing::TestParamInfo<ListCase> &p) { return std::string(p.param.name); });

TEST(WindowListProbe, WithoutAListAnyReplyIsOne)
{
    for (const ListCase &c : LIST_CASES)
        EXPECT_EQ(1, ParseWindowList<uint32_t>(c.reply.data(), c.reply.size(), c.service, nullptr)) << c.name;
}

TEST(ReplyDword, LittleEndianAndZeroPastTheEnd)
{
    const std::vector<unsigned char> reply = {0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB};
    EXPECT_EQ(0x12345678u, ReplyDword(reply.data(), reply.size(), 0));
    EXPECT_EQ(0xBBAAu, ReplyDword(reply.data(), reply.size(), 1));
    EXPECT_EQ(0u, ReplyDword(reply.data(), reply.size(), 2));
    EXPECT_EQ(0u, ReplyDword(reply.data(), reply.size(), SIZE_MAX));
    EXPECT_EQ(0u, ReplyDword(nullptr, 0, 0));
}

struct ItemCase {
    const char *text;
    uint32_t id;
    std::string item;
};

TEST(OpenUrlItem, SevenFieldsWithTheSignedId)
{
    const ItemCase cases[] = {
        {" http://www.example.com/", 3, " http://www.example.com/,,3,0,,,"},
        {" http://a/", 0xFFFFFFFFu, " http://a/,,-1,0,,,"},
        {" http://a/", 0x80000000u, " http://a/,,-2147483648,0,,,"},
        {"", 0, ",,0,0,,,"},
        {" \x95\x5c\x8e\xa6", 12, " \x95\x5c\x8e\xa6,,12,0,,,"},
    };
    for (const ItemCase &c : cases) {
        char item[DDE_URL_ITEM_SIZE];
        FormatOpenUrlItem(item, c.text, c.id);
        EXPECT_EQ(c.item, item) << c.text;
    }
}

TEST(OpenUrlItem, LongTextIsCutToTheBuffer)
{
    for (size_t length : {1014u, 1015u, 1023u, 5000u}) {
        const std::string text(length, 'u');
        char item[DDE_URL_ITEM_SIZE];
        FormatOpenUrlItem(item, text.c_str(), 3);
        const std::string whole = text + ",,3,0,,,";
        EXPECT_EQ(whole.substr(0, DDE_URL_ITEM_SIZE - 1), item) << length;
    }
}

TEST(FrameParentItem, SignedDecimal)
{
    const std::pair<uint32_t, std::string> cases[] = {{0, "0"}, {5, "5"}, {0xFFFFFFFFu, "-1"}, {0x7FFFFFFFu, "2147483647"}};
    for (const auto &c : cases) {
        char item[DDE_FRAME_ITEM_SIZE];
        FormatFrameParentItem(item, c.first);
        EXPECT_EQ(c.second, item);
    }
}

} // namespace
