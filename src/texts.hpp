#pragma once

#include <array>
#include <string_view>

// Every text of the dialogue, as the EUC-KR bytes that are written. The
// comment beside each one says what the bytes read as.
namespace text {

// =====================오늘은 뭐 먹을까?=====================\n
inline constexpr std::string_view banner =
    "=====================\xbf\xc0\xb4\xc3\xc0\xba \xb9\xb9 \xb8\xd4\xc0\xbb\xb1\xee?"
    "=====================\n";
// 현재 지역이 어디인가요?\n
inline constexpr std::string_view region_question =
    "\xc7\xf6\xc0\xe7 \xc1\xf6\xbf\xaa\xc0\xcc \xbe\xee\xb5\xf0\xc0\xce\xb0\xa1\xbf\xe4?\n";
// 1.서울, 2.부산, 3.인천 (99.종료):
inline constexpr std::string_view region_options =
    "1.\xbc\xad\xbf\xef, 2.\xba\xce\xbb\xea, 3.\xc0\xce\xc3\xb5 (99.\xc1\xbe\xb7\xe1):";
// 잘못입력하셨습니다.\n\n
inline constexpr std::string_view region_invalid =
    "\xc0\xdf\xb8\xf8\xc0\xd4\xb7\xc2\xc7\xcf\xbc\xcc\xbd\xc0\xb4\xcf\xb4\xd9.\n\n";

// \n어떤 종류를 드시겠습니까?\n
inline constexpr std::string_view cuisine_question =
    "\n\xbe\xee\xb6\xb2 \xc1\xbe\xb7\xf9\xb8\xa6 "
    "\xb5\xe5\xbd\xc3\xb0\xda\xbd\xc0\xb4\xcf\xb1\xee?\n";
// 1.양식 2.중식 3.한식 (99.종료):
inline constexpr std::string_view cuisine_options =
    "1.\xbe\xe7\xbd\xc4 2.\xc1\xdf\xbd\xc4 3.\xc7\xd1\xbd\xc4 (99.\xc1\xbe\xb7\xe1):";
// 잘못입력하셨습니다.\n
inline constexpr std::string_view cuisine_invalid =
    "\xc0\xdf\xb8\xf8\xc0\xd4\xb7\xc2\xc7\xcf\xbc\xcc\xbd\xc0\xb4\xcf\xb4\xd9.\n";

// \n오늘의 추천 음식은 %s 입니다.
inline constexpr std::string_view closing_format =
    "\n\xbf\xc0\xb4\xc3\xc0\xc7 \xc3\xdf\xc3\xb5 \xc0\xbd\xbd\xc4\xc0\xba %s "
    "\xc0\xd4\xb4\xcf\xb4\xd9.";

// By region code 1, 2 and 3.
inline constexpr std::array<std::string_view, 3> region_names = {
    "\xbc\xad\xbf\xef", // 서울 Seoul
    "\xba\xce\xbb\xea", // 부산 Busan
    "\xc0\xce\xc3\xb5", // 인천 Incheon
};

} // namespace text
