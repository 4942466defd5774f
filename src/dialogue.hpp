#pragma once

#include "console.hpp"
#include "dialogue_state.hpp"

#include <cstdint>

enum class ReadResult {
    stored,  // a number was read and stored
    nothing, // no number: nothing stored, the byte that stopped it is still waiting
    ended,   // no number and the input has ended: nothing stored
};

// Reads one decimal number the way scanf("%d") does: white space skipped,
// an optional sign taken even when no digit follows, the digits taken up to
// the first byte that can't continue them. Unlike scanf, a number beyond the
// 32-bit range stores the nearest limit instead of wrapping around.
ReadResult read_number(Console& console, std::int32_t& value);

// Runs the whole dialogue: the region menu, the cuisine menu and the closing
// recommendation, or up to the quit code, or up to the end of the input.
void run_dialogue(Console& console, DialogueState& state);
