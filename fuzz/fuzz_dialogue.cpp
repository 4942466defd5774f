// Runs the whole dialogue over arbitrary input and checks what must hold for
// every input: the dialogue ends within as many passes as the input has
// bytes, every pass shows a whole menu, a recommendation names the chosen
// region and a dish of the chosen cuisine's row, and nothing follows a quit.
// Each input is also read as a stream of answers by the C library's scanf,
// which every number read must agree with.

#include "dialogue.hpp"
#include "memory_console.hpp"
#include "number_oracle.hpp"
#include "screens.hpp"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

struct Screens {
    std::string region = euc_kr(region_menu);
    std::string region_again = euc_kr(wrong_region) + "[clear]" + euc_kr(region_menu);
    std::string cuisine = euc_kr(cuisine_menu);
    std::string cuisine_again = euc_kr(wrong_cuisine + cuisine_menu);
};

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    std::abort();
}

// Takes `expected` off the front of `rest` if it stands there.
bool take(std::string_view& rest, std::string_view expected)
{
    if (rest.substr(0, expected.size()) != expected)
        return false;
    rest.remove_prefix(expected.size());
    return true;
}

bool valid(std::int32_t choice) { return choice >= 1 && choice <= 3; }

void check_recommendation(std::string_view rest, const DialogueState& state)
{
    const char* const regions[] = {"서울", "부산", "인천"};
    for (const char* dish : dish_rows[state.cuisine_choice - 1]) {
        const std::string name = regions[state.region_choice - 1] + std::string(dish);
        if (rest == euc_kr(closing(regions[state.region_choice - 1], dish))) {
            if (state.recommendation_text != euc_kr(name))
                fail("the recommendation text is not the one shown");
            return;
        }
    }
    fail("the closing sentence is not the chosen region and a dish of the chosen row");
}

void check(std::string_view output, const DialogueState& state, std::size_t input_size)
{
    static const Screens screens;
    std::size_t passes = 1;
    if (!take(output, screens.region))
        fail("the output does not begin with the region menu");
    while (take(output, screens.region_again))
        ++passes;
    if (valid(state.region_choice)) {
        if (!take(output, screens.cuisine))
            fail("a valid region is not followed by the cuisine menu");
        ++passes;
        while (take(output, screens.cuisine_again))
            ++passes;
        if (valid(state.cuisine_choice))
            check_recommendation(output, state);
        else if (!output.empty())
            fail("something follows the cuisine menu after a quit or the end of the input");
    } else if (!output.empty()) {
        fail("something follows the region menu after a quit or the end of the input");
    }
    // Every pass but the last takes at least one byte of the input.
    if (passes > input_size + 1)
        fail("more passes than the input has bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    MemoryConsole console(input);
    DialogueState state{};
    run_dialogue(console, state);
    check(console.output, state, size);
    if (const std::string difference = scanf_is_comparable ? compare_with_scanf(input) : "";
        !difference.empty())
        fail("the number reader differs from scanf: " + difference);
    return 0;
}
