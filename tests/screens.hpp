#pragma once

#include <string>
#include <string_view>

// The EUC-KR bytes of a UTF-8 text, as the system's iconv converts them, so
// that tests can write the expected Korean texts readably.
std::string euc_kr(std::string_view utf8);

// What the user sees, in UTF-8: the region menu from its banner to its
// options, the cuisine menu, the two invalid-answer messages.
inline const std::string region_menu =
    "=====================오늘은 뭐 먹을까?=====================\n"
    "현재 지역이 어디인가요?\n1.서울, 2.부산, 3.인천 (99.종료):";
inline const std::string cuisine_menu =
    "\n어떤 종류를 드시겠습니까?\n1.양식 2.중식 3.한식 (99.종료):";
inline const std::string wrong_region = "잘못입력하셨습니다.\n\n";
inline const std::string wrong_cuisine = "잘못입력하셨습니다.\n";

// The dishes of the Western, Chinese and Korean rows, in UTF-8.
inline const char* const dish_rows[3][3] = {
    {"스테이크", "파스타", "피자"},
    {"짜장면", "딤섬", "우육면"},
    {"비빔밥", "불고기", "떡볶이"},
};

// The closing sentence for a region and a dish, in UTF-8.
inline std::string closing(std::string_view region, std::string_view dish)
{
    return "\n오늘의 추천 음식은 " + std::string(region) + std::string(dish) + " 입니다.";
}

// What the program writes to a pipe for a UTF-8 text: its EUC-KR bytes, with
// each line feed written as CR LF when MEAL_LINE_END=crlf (a Windows build).
std::string written(std::string_view utf8);
