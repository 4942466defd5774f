// The built program, driven through pipes and a pseudo-terminal as a user
// or another program would drive it.

#include "process.hpp"
#include "screens.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <unistd.h>

namespace {

// What a run over pipes shows: `shown` exactly, then, when `region` is
// given, the closing sentence with that region and one dish of row `row`.
struct PipeCase {
    const char* name;
    std::string input;
    std::string shown;
    const char* region = nullptr;
    int row = 0;
};

// `times` wrong answers at a menu: each message followed by the menu again.
std::string wrong_at(const std::string& menu, const std::string& message, int times)
{
    std::string screens;
    for (int i = 0; i < times; ++i)
        screens += message + menu;
    return screens;
}

// Whether `output` is `shown` and then the closing sentence for `region` and
// one dish of row `row`, all in UTF-8 made into bytes by `encode`.
bool recommends(const std::string& output, const std::string& shown, const char* region, int row,
                std::string (*encode)(std::string_view))
{
    const auto shows = [&](const char* dish) {
        return output == encode(shown + closing(region, dish));
    };
    return std::count_if(std::begin(dish_rows[row]), std::end(dish_rows[row]), shows) == 1;
}

std::string utf8(std::string_view text) { return std::string(text); }

const std::string& R = region_menu;
const std::string& C = cuisine_menu;

TEST(Pipes, ShowExactlyTheDialogue)
{
    const PipeCase cases[] = {
        {"99 quits at the region menu", "99\n", R},
        {"99 quits at the cuisine menu", "1\n99\n", R + C},
        {"99 followed by a letter quits", "99x\n", R},
        {"a whole dialogue", "2\n3\n\n", R + C, "부산", 2},
        {"spaces and a leading zero", "  03\n 01\n\n", R + C, "인천", 0},
        {"a letter after a number is dropped", "3a\n2b\n", R + C, "인천", 1},
        {"two answers on one line", "2 3\n\n", R + C, "부산", 2},
        {"wrong regions", "0\n\n4\n\n-1\n\n98\n\n100\n\n1\n1\n\n",
         R + wrong_at(R, wrong_region, 5) + C, "서울", 0},
        {"wrong cuisines", "1\n0\n\n4\n\n-1\n\n98\n\n100\n\n2\n\n",
         R + C + wrong_at(C, wrong_cuisine, 5), "서울", 1},
        {"a wrong answer's pause takes what waits on its line", "5 \n99\n", R + wrong_region + R},
        {"letters take passes of two", "ab\n99\n", R + wrong_region + R},
        {"a sign alone is taken as no number", "+\n99\n", R + wrong_region + R + wrong_region + R},
        {"CR LF line ends", "3\r\n2\r\n\r\n", R + C, "인천", 1},
        {"numbers past 32 bits never wrap", "4294967297\n\n4294967395\n\n-4294967295\n\n99\n",
         R + wrong_at(R, wrong_region, 3)},
        {"past 32 bits at the cuisine menu", "3\n4294967297\n\n3\n", R + C + wrong_cuisine + C,
         "인천", 2},
        {"no input at all", "", R},
        {"input ends after a wrong answer", "5", R + wrong_region + R},
        {"input ends in the cuisine menu", "1\n", R + C},
        {"input ends in a sign", "3\n-", R + C},
        {"input ends before the last pause", "1\n3", R + C, "서울", 2},
    };
    for (const PipeCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Finished run = run_program(c.input);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.errors, "");
        if (c.region == nullptr) {
            EXPECT_EQ(run.output, written(c.shown));
            continue;
        }
        EXPECT_TRUE(recommends(run.output, c.shown, c.region, c.row, written)) << run.output;
    }
}

// Reads from the program until what it has written ends with `prompt`, and
// fails if the prompt hasn't come within five seconds.
void await(int output, std::string& seen, const std::string& prompt)
{
    const std::string expected = written(prompt);
    while (seen.size() < expected.size() ||
           seen.compare(seen.size() - expected.size(), expected.size(), expected) != 0) {
        pollfd ready = {output, POLLIN, 0};
        ASSERT_EQ(poll(&ready, 1, 5000), 1) << "no prompt while waiting for input";
        char buffer[4096];
        const ssize_t count = read(output, buffer, sizeof buffer);
        ASSERT_GT(count, 0) << "the output ended early";
        seen.append(buffer, static_cast<std::size_t>(count));
    }
}

TEST(Pipes, ShowEachPromptBeforeWaiting)
{
    Running program = start_program();
    std::string seen;
    await(program.output, seen, region_menu);
    write_all(program.input, "2\n");
    await(program.output, seen, cuisine_menu);
    write_all(program.input, "5\n");
    await(program.output, seen, wrong_cuisine);
    write_all(program.input, "\n");
    await(program.output, seen, cuisine_menu);
    write_all(program.input, "1\n");
    await(program.output, seen, " 입니다.");
    write_all(program.input, "\n");
    const Finished rest = finish_program(program);
    EXPECT_EQ(rest.output, "");
    EXPECT_EQ(rest.status, 0);
}

TEST(Pipes, IgnoreArguments)
{
    const Finished run = run_program("99\n", {"--help", "-x", "3"});
    EXPECT_EQ(run.output, written(region_menu));
    EXPECT_EQ(run.status, 0);
}

TEST(Pipes, ReportAWriteErrorAndFail)
{
    if (access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "this system has no /dev/full";
    const Finished run = run_program("2\n3\n\n", {}, "/dev/full");
    EXPECT_EQ(run.errors, written("meal-recommender: write error: No space left on device\n"));
    EXPECT_EQ(run.status, 1);
}

// On a terminal the Korean is shown in the user's character set, and a wrong
// region clears the screen the way clear(1) does.
TEST(Terminal, ConvertsToUtf8AndClears)
{
    const std::string clear = "\x1b[H\x1b[2J\x1b[3J";
    const struct {
        const char* locale;
        const char* term;
        const char* input;
        std::string shown;
    } cases[] = {
        {"C.UTF-8", "xterm", "5\n\n1\n5\n\n99\n",
         R + wrong_region + clear + R + C + wrong_cuisine + C},
        {"C", "linux", "0\n\n99\n", R + wrong_region + clear + R},
        {"POSIX", "xterm", "99\n", R},
        {"xx_XX.no-such-locale", "xterm", "99\n", R},
        {"C.UTF-8", "dumb", "0\n\n99\n", R + wrong_region + R},
        {"C.UTF-8", "", "0\n\n99\n", R + wrong_region + R},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.locale) + " on " + c.term);
        const Finished run = run_in_terminal(
            c.input, {std::string("LC_ALL=") + c.locale, std::string("TERM=") + c.term});
        EXPECT_EQ(run.output, c.shown);
        EXPECT_EQ(run.status, 0);
    }
    const Finished run = run_in_terminal("1\n2\n\n", {"LC_ALL=C.UTF-8", "TERM=xterm"});
    EXPECT_TRUE(recommends(run.output, R + C, "서울", 1, utf8)) << run.output;
}

// Locales made for the test, since a fresh machine has only C.UTF-8: an
// EUC-KR one gets the bytes unchanged, and one whose set has no Hangul shows
// a question mark for each syllable.
TEST(Terminal, FollowsLocalesWithoutUtf8)
{
    char folder[] = "/tmp/meal-locale-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string make = std::string("localedef -i ko_KR -f EUC-KR ") + folder +
                             "/ko_KR.EUC-KR 2>/dev/null && localedef -i en_US -f ISO-8859-1 " +
                             folder + "/en_US.ISO-8859-1 2>/dev/null";
    const bool made = std::system(make.c_str()) == 0;
    const std::string path = std::string("LOCPATH=") + folder;
    const Finished korean =
        run_in_terminal("1\n3\n\n", {"LC_ALL=ko_KR.EUC-KR", "TERM=xterm", path});
    const Finished latin = run_in_terminal("99\n", {"LC_ALL=en_US.ISO-8859-1", "TERM=xterm", path});
    std::system(("rm -rf " + std::string(folder)).c_str());
    if (!made)
        GTEST_SKIP() << "localedef can't make the locales here";
    EXPECT_TRUE(recommends(korean.output, R + C, "서울", 2, euc_kr)) << korean.output;
    EXPECT_EQ(latin.output, "=====================??? ? ???\?=====================\n"
                            "?? ??? ??????\n1.??, 2.??, 3.?? (99.?\?):");
}

} // namespace
