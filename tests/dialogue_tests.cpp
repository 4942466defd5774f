// The dialogue's logic, run in memory: its texts, how it reads numbers, and
// the dish draws.

#include "catalogue.hpp"
#include "dialogue.hpp"
#include "memory_console.hpp"
#include "number_oracle.hpp"
#include "screens.hpp"
#include "texts.hpp"

#include <cstdlib>
#include <cstring>
#include <ctime>
#include <gtest/gtest.h>
#include <random>
#include <set>

namespace {

struct TextCase {
    std::string_view text;
    const char* utf8;
    std::size_t bytes;
};

TEST(Texts, AreTheExactEucKrBytes)
{
    const TextCase cases[] = {
        {text::banner, "=====================오늘은 뭐 먹을까?=====================\n", 60},
        {text::region_question, "현재 지역이 어디인가요?\n", 24},
        {text::region_options, "1.서울, 2.부산, 3.인천 (99.종료):", 33},
        {text::region_invalid, "잘못입력하셨습니다.\n\n", 21},
        {text::cuisine_question, "\n어떤 종류를 드시겠습니까?\n", 27},
        {text::cuisine_options, "1.양식 2.중식 3.한식 (99.종료):", 31},
        {text::cuisine_invalid, "잘못입력하셨습니다.\n", 20},
        {text::closing_format, "\n오늘의 추천 음식은 %s 입니다.", 30},
        {text::region_names[0], "서울", 4},
        {text::region_names[1], "부산", 4},
        {text::region_names[2], "인천", 4},
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(c.text, euc_kr(c.utf8)) << c.utf8;
        EXPECT_EQ(c.text.size(), c.bytes) << c.utf8;
    }
}

struct NumberCase {
    const char* input;
    ReadResult result;
    std::int32_t value; // 7 is the value before the read
    const char* rest;
};

TEST(ReadNumber, FollowsScanfAndSaturates)
{
    const NumberCase cases[] = {
        {"3\n", ReadResult::stored, 3, "\n"},
        {" \t\n\v\f\r 42 x", ReadResult::stored, 42, " x"},
        {"03", ReadResult::stored, 3, ""},
        {"-12a", ReadResult::stored, -12, "a"},
        {"+5", ReadResult::stored, 5, ""},
        {"99x", ReadResult::stored, 99, "x"},
        {"2 3\n", ReadResult::stored, 2, " 3\n"},
        {"x5", ReadResult::nothing, 7, "x5"},
        {"-x", ReadResult::nothing, 7, "x"},
        {"+-5", ReadResult::nothing, 7, "-5"},
        {"- 5", ReadResult::nothing, 7, " 5"},
        {"\xb0\xa1", ReadResult::nothing, 7, "\xb0\xa1"},
        {"!5", ReadResult::nothing, 7, "!5"},
        {"*5", ReadResult::nothing, 7, "*5"},
        {",5", ReadResult::nothing, 7, ",5"},
        {"\0015", ReadResult::nothing, 7, "\0015"}, // the control byte 1, then 5
        {"", ReadResult::ended, 7, ""},
        {" \n \n", ReadResult::ended, 7, ""},
        {"-", ReadResult::ended, 7, ""},
        {"2147483647", ReadResult::stored, 2147483647, ""},
        {"-2147483648", ReadResult::stored, -2147483647 - 1, ""},
        {"2147483648", ReadResult::stored, 2147483647, ""},
        {"-2147483649", ReadResult::stored, -2147483647 - 1, ""},
        {"4294967297 ", ReadResult::stored, 2147483647, " "},
        {"4294967395", ReadResult::stored, 2147483647, ""},
        {"-4294967295", ReadResult::stored, -2147483647 - 1, ""},
        {"000000000000000000000000000001;", ReadResult::stored, 1, ";"},
        {"99999999999999999999999999999999999999", ReadResult::stored, 2147483647, ""},
    };
    for (const NumberCase& c : cases) {
        MemoryConsole console(c.input);
        std::int32_t value = 7;
        EXPECT_EQ(read_number(console, value), c.result) << c.input;
        EXPECT_EQ(value, c.value) << c.input;
        EXPECT_EQ(console.rest(), c.rest) << c.input;
    }
}

// Random streams, half of whose bytes come from an alphabet of what numbers
// are made of and what stops them, and half from every byte value; each
// stream is shown if it reads differently.
TEST(ReadNumber, ReadsAsTheCLibrarysScanfDoes)
{
    if (!scanf_is_comparable)
        GTEST_SKIP() << "this C library's scanf reads a lone sign differently from glibc's";
    constexpr std::string_view alphabet = "0123456789999+-   \n\n\t\v\f\rxZ.\x80\xb0\xff";
    std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> any_byte(0, 255);
    std::uniform_int_distribution<int> length(1, 40);
    for (int stream = 0; stream < 20000; ++stream) {
        std::string bytes;
        for (int i = length(random); i > 0; --i)
            bytes += i % 2 == 0 ? alphabet[pick(random)] : static_cast<char>(any_byte(random));
        ASSERT_EQ(compare_with_scanf(bytes), "") << testing::PrintToString(bytes);
    }
}

TEST(Pickers, DrawEveryDishOfTheirOwnRowOnly)
{
    void (*const pickers[])(DialogueState&) = {pick_western, pick_chinese, pick_korean};
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    for (int row = 0; row < 3; ++row) {
        std::set<int> drawn;
        for (int draw = 0; draw < 300; ++draw) {
            DialogueState state{};
            const std::string busan = euc_kr("부산");
            std::memcpy(state.recommendation_text, busan.c_str(), busan.size() + 1);
            pickers[row](state);
            ASSERT_GE(state.last_pick, 0);
            ASSERT_LE(state.last_pick, 2);
            EXPECT_EQ(state.recommendation_text,
                      euc_kr("부산") + euc_kr(dish_rows[row][state.last_pick]));
            drawn.insert(state.last_pick);
        }
        EXPECT_EQ(drawn.size(), 3U) << dish_rows[row][0];
    }
}

// The region and the dish never come near the end of the text's buffer, so
// only a unit test can reach its bound: the text is cut short, and nothing
// after the buffer is touched.
TEST(Recommendation, IsCutShortAtTheEndOfItsBuffer)
{
    DialogueState state{};
    state.last_pick = 7;
    append_recommendation(state, std::string(100, 'a'));
    append_recommendation(state, std::string(100, 'b'));
    EXPECT_EQ(state.recommendation_text, std::string(100, 'a') + std::string(27, 'b'));
    EXPECT_EQ(state.last_pick, 7);
}

} // namespace
