#include "dialogue.hpp"

#include "catalogue.hpp"
#include "texts.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace {

constexpr std::int32_t quit_code = 99;

// The white space of the C locale, which scanf skips before a number.
bool is_space(int byte)
{
    return byte == ' ' || byte == '\t' || byte == '\n' || byte == '\v' || byte == '\f' ||
           byte == '\r';
}

bool is_digit(int byte) { return byte >= '0' && byte <= '9'; }

struct Menu {
    std::span<const std::string_view> prompt;
    std::string_view invalid_answer;
    bool clears_screen;
};

constexpr std::string_view region_prompt[] = {text::banner, text::region_question,
                                              text::region_options};
constexpr std::string_view cuisine_prompt[] = {text::cuisine_question, text::cuisine_options};

// After a wrong region the screen is cleared and the banner shown again;
// after a wrong cuisine the question is simply asked again below.
constexpr Menu region_menu = {region_prompt, text::region_invalid, true};
constexpr Menu cuisine_menu = {cuisine_prompt, text::cuisine_invalid, false};

enum class Outcome { chosen, quit, ended };

// Asks until the answer is 1, 2 or 3 or the quit code. An answer with no
// number leaves the choice as it was, which is then still invalid: a valid
// answer or the quit code never comes back here.
Outcome ask(Console& console, const Menu& menu, std::int32_t& choice)
{
    for (;;) {
        for (std::string_view line : menu.prompt)
            console.write(line);
        // Without a number to read and with no input left, every further
        // pass would be the same invalid answer: the dialogue is over.
        if (read_number(console, choice) == ReadResult::ended)
            return Outcome::ended;
        // The byte after the number goes unread, normally the Enter key's
        // line feed, whatever it is.
        console.get();
        if (choice >= 1 && choice <= 3)
            return Outcome::chosen;
        if (choice == quit_code)
            return Outcome::quit;
        console.write(menu.invalid_answer);
        // A pause, which waits only if nothing is waiting already.
        console.get();
        if (menu.clears_screen)
            console.clear_screen();
    }
}

void recommend(DialogueState& state)
{
    state.recommendation_text[0] = '\0';
    append_recommendation(state,
                          text::region_names[static_cast<std::size_t>(state.region_choice - 1)]);
    switch (state.cuisine_choice) {
    case 1:
        pick_western(state);
        break;
    case 2:
        pick_chinese(state);
        break;
    case 3:
        pick_korean(state);
        break;
    }
}

// The closing sentence is a format with one %s, the only conversion any
// text has; it is split around it once, when the program is compiled.
constexpr std::size_t closing_at = text::closing_format.find("%s");
static_assert(closing_at != std::string_view::npos);
constexpr std::string_view closing_head = text::closing_format.substr(0, closing_at);
constexpr std::string_view closing_tail = text::closing_format.substr(closing_at + 2);

} // namespace

ReadResult read_number(Console& console, std::int32_t& value)
{
    while (is_space(console.peek()))
        console.get();
    bool negative = false;
    if (console.peek() == '+' || console.peek() == '-')
        negative = console.get() == '-';
    if (!is_digit(console.peek()))
        return console.peek() == Console::end ? ReadResult::ended : ReadResult::nothing;

    // The magnitude stops growing just past the 32-bit range, so a digit run
    // of any length saturates instead of wrapping into a valid answer.
    constexpr std::int64_t limit = std::int64_t{INT32_MAX} + 1;
    std::int64_t magnitude = 0;
    while (is_digit(console.peek()))
        magnitude = std::min(magnitude * 10 + (console.get() - '0'), limit);
    const std::int64_t signed_value = negative ? -magnitude : std::min(magnitude, limit - 1);
    value = static_cast<std::int32_t>(signed_value);
    return ReadResult::stored;
}

void run_dialogue(Console& console, DialogueState& state)
{
    if (ask(console, region_menu, state.region_choice) != Outcome::chosen)
        return;
    if (ask(console, cuisine_menu, state.cuisine_choice) != Outcome::chosen)
        return;
    recommend(state);
    console.write(closing_head);
    console.write(state.recommendation_text);
    console.write(closing_tail);
    console.get();
}
