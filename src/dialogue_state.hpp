#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

// Everything one run of the dialogue remembers. It starts zeroed, and a
// menu whose answer holds no number keeps the value of the pass before.
struct DialogueState {
    std::int32_t region_choice;
    std::int32_t cuisine_choice;
    // The region's name followed by the dish, NUL-terminated EUC-KR.
    char recommendation_text[128];
    // The index into its row that the last dish draw gave.
    std::int32_t last_pick;
};

// Appends to the recommendation text. It cuts the text short rather than
// run past the buffer, though a region and a dish never come near its size.
inline void append_recommendation(DialogueState& state, std::string_view part)
{
    constexpr std::size_t capacity = sizeof state.recommendation_text;
    std::size_t length = std::string_view(state.recommendation_text).size();
    for (char byte : part) {
        if (length + 1 >= capacity)
            break;
        state.recommendation_text[length++] = byte;
    }
    state.recommendation_text[length] = '\0';
}
