// The built program, driven through pipes and a pseudo-terminal as a user
// or another program would drive it.

#include "process.hpp"
#include "screens.hpp"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <poll.h>
#include <set>
#include <sys/resource.h>
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

std::string repeat(const std::string& text, int times)
{
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}

// `times` wrong answers at a menu: each message followed by the menu again.
std::string wrong_at(const std::string& menu, const std::string& message, int times)
{
    return repeat(message + menu, times);
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
        {"hundreds of waiting wrong answers come out whole and in order",
         repeat("5\n\n", 400) + "99\n", R + wrong_at(R, wrong_region, 400)},
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
    // The last pause: the program must still be there, waiting for Enter.
    pollfd ended = {program.output, POLLIN, 0};
    EXPECT_EQ(poll(&ended, 1, 300), 0) << "the program ended without waiting for Enter";
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

// Under libfaketime, with the clock stopped at seconds of 2040, past the end
// of a 32-bit time_t: runs in the same second draw the same dish, and over a
// minute more than one dish is drawn. Wine would take faked file times for a
// changed configuration, so only the clock is faked.
TEST(Pipes, DrawAnewEachSecond)
{
    if (std::system("command -v faketime >/dev/null") != 0)
        GTEST_SKIP() << "faketime is not installed (apt-get install faketime)";
    std::set<std::string> drawn;
    for (int second = 10; second < 60; second += 8) {
        const std::vector<std::string> at = {"env", "NO_FAKE_STAT=1", "faketime", "-f",
                                             "2040-01-01 00:00:" + std::to_string(second)};
        const Finished first = run_program("1\n1\n\n", {}, nullptr, at);
        const Finished again = run_program("1\n1\n\n", {}, nullptr, at);
        EXPECT_TRUE(recommends(first.output, R + C, "서울", 0, written)) << first.output;
        EXPECT_EQ(first.output, again.output) << at[4];
        drawn.insert(first.output);
    }
    EXPECT_GT(drawn.size(), 1U) << "the same dish every second";
}

// Standard input that ends at once, because it is closed or can't be read,
// ends the dialogue cleanly; a non-blocking one is waited for, without
// spinning, and every byte is taken once.
TEST(Input, EndsOrWaitsAsItShould)
{
    const struct {
        Input input;
        std::vector<std::string> answers; // written 100 ms apart
        std::string shown;
    } cases[] = {
        {Input::closed, {}, R},
        {Input::directory, {}, R},
        {Input::nonblocking_pipe, {"2", "\n9", "9\n"}, R + C},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.input));
        rusage before{};
        getrusage(RUSAGE_CHILDREN, &before);
        Running program = start_program({}, nullptr, c.input);
        for (const std::string& answer : c.answers) {
            usleep(100000);
            write_all(program.input, answer);
        }
        const Finished run = finish_program(program);
        rusage after{};
        getrusage(RUSAGE_CHILDREN, &after);
        const auto ms = [](const timeval& t) { return t.tv_sec * 1000 + t.tv_usec / 1000; };
        const auto cpu_ms =
            ms(after.ru_utime) + ms(after.ru_stime) - ms(before.ru_utime) - ms(before.ru_stime);
        EXPECT_EQ(run.output, written(c.shown));
        EXPECT_EQ(run.status, 0);
        EXPECT_LT(cpu_ms, 150) << "the program spun while it waited for input";
    }
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
        {"C.UTF-8", nullptr, "0\n\n99\n", R + wrong_region + R},
        {"C.UTF-8", "xterm-256color", "0\n\n99\n", R + wrong_region + clear + R},
        {"C.UTF-8", "screen", "0\n\n99\n", R + wrong_region + clear + R},
        {"C.UTF-8", "tmux-256color", "0\n\n99\n", R + wrong_region + clear + R},
        {"C.UTF-8", "ansi", "0\n\n99\n", R + wrong_region + clear + R},
        {"C.UTF-8", "vt100", "0\n\n99\n", R + wrong_region + clear + R},
        {"C.UTF-8", "alacritty", "0\n\n99\n", R + wrong_region + clear + R},
    };
    for (const auto& c : cases) {
        const std::string term = c.term != nullptr ? std::string("TERM=") + c.term : "TERM";
        SCOPED_TRACE(std::string(c.locale) + " with " + term);
        const Finished run = run_in_terminal(c.input, {std::string("LC_ALL=") + c.locale, term});
        EXPECT_EQ(run.output, c.shown);
        EXPECT_EQ(run.status, 0);
    }
    const Finished run = run_in_terminal("1\n2\n\n", {"LC_ALL=C.UTF-8", "TERM=xterm"});
    EXPECT_TRUE(recommends(run.output, R + C, "서울", 1, utf8)) << run.output;
}

// Locales made for the test, since a fresh machine has only C.UTF-8: an
// EUC-KR one gets the bytes unchanged, and so does one whose character set
// iconv doesn't know; one whose set has no Hangul shows a question mark for
// each syllable, to the closing sentence's last full stop.
TEST(Terminal, FollowsLocalesWithoutUtf8)
{
    char folder[] = "/tmp/meal-locale-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string make = std::string("cd ") + folder +
                             " && localedef -i ko_KR -f EUC-KR ./ko_KR.EUC-KR"
                             " && localedef -i en_US -f ISO-8859-1 ./en_US.ISO-8859-1"
                             // The same set under a name that iconv doesn't know.
                             " && zcat /usr/share/i18n/charmaps/ISO-8859-1.gz | sed"
                             " 's/^<code_set_name> .*/<code_set_name> MEAL-NO-SUCH-SET/' >unknown"
                             " && localedef -i en_US -f ./unknown ./en_US.MEAL-NO-SUCH-SET";
    const bool made = std::system((make + " >/dev/null 2>&1").c_str()) == 0;
    const std::string path = std::string("LOCPATH=") + folder;
    const Finished korean =
        run_in_terminal("1\n3\n\n", {"LC_ALL=ko_KR.EUC-KR", "TERM=xterm", path});
    const Finished unknown =
        run_in_terminal("99\n", {"LC_ALL=en_US.MEAL-NO-SUCH-SET", "TERM=xterm", path});
    const Finished latin =
        run_in_terminal("1\n3\n\n", {"LC_ALL=en_US.ISO-8859-1", "TERM=xterm", path});
    std::system(("rm -rf " + std::string(folder)).c_str());
    if (!made)
        GTEST_SKIP() << "localedef can't make the locales here";
    EXPECT_TRUE(recommends(korean.output, R + C, "서울", 2, euc_kr)) << korean.output;
    EXPECT_EQ(unknown.output, euc_kr(R));
    // Every Korean dish has three syllables.
    EXPECT_EQ(latin.output, "=====================??? ? ???\?=====================\n"
                            "?? ??? ??????\n1.??, 2.??, 3.?? (99.?\?):"
                            "\n?? ??? ???????\n1.?? 2.?? 3.?? (99.?\?):"
                            "\n??? ?? ??? ????? ???.");
}

} // namespace
