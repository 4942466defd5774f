#include "catalogue.hpp"

#include <array>
#include <cstdlib>
#include <string_view>

namespace {

using DishRow = std::array<std::string_view, 3>;

// The order within a row is what maps a drawn index to a dish.
constexpr DishRow western_dishes = {
    "\xbd\xba\xc5\xd7\xc0\xcc\xc5\xa9", // 스테이크 steak
    "\xc6\xc4\xbd\xba\xc5\xb8",         // 파스타 pasta
    "\xc7\xc7\xc0\xda",                 // 피자 pizza
};
constexpr DishRow chinese_dishes = {
    "\xc2\xa5\xc0\xe5\xb8\xe9", // 짜장면 black-bean-sauce noodles
    "\xb5\xf5\xbc\xb6",         // 딤섬 dim sum
    "\xbf\xec\xc0\xb0\xb8\xe9", // 우육면 beef noodle soup
};
constexpr DishRow korean_dishes = {
    "\xba\xf1\xba\xf6\xb9\xe4", // 비빔밥 bibimbap
    "\xba\xd2\xb0\xed\xb1\xe2", // 불고기 bulgogi
    "\xb6\xb1\xba\xba\xc0\xcc", // 떡볶이 tteokbokki
};

// A plain remainder, uneven as it is: rand() never gives a negative value,
// so the index is always 0, 1 or 2.
void pick_from(const DishRow& row, DialogueState& state)
{
    state.last_pick = std::rand() % 3;
    append_recommendation(state, row[static_cast<std::size_t>(state.last_pick)]);
}

} // namespace

void pick_western(DialogueState& state) { pick_from(western_dishes, state); }
void pick_chinese(DialogueState& state) { pick_from(chinese_dishes, state); }
void pick_korean(DialogueState& state) { pick_from(korean_dishes, state); }
