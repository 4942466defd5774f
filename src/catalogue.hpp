#pragma once

#include "dialogue_state.hpp"

// Each picker draws one of its cuisine's three dishes with the C library's
// generator, keeps the index in last_pick and appends the dish's name to the
// recommendation text, right after what is there.
void pick_western(DialogueState& state);
void pick_chinese(DialogueState& state);
void pick_korean(DialogueState& state);
