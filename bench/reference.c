/* The same dialogue written the plain C way, on stdio, as the yardstick for
   the program's start-up, memory and speed. It ends at the end of input, as
   the program does, and never clears the screen, since it only ever writes
   to a pipe here. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

/* 서울, 부산, 인천 */
static const char* const regions[] = {"\xbc\xad\xbf\xef", "\xba\xce\xbb\xea", "\xc0\xce\xc3\xb5"};
static const char* const dishes[3][3] = {
    /* 스테이크, 파스타, 피자 */
    {"\xbd\xba\xc5\xd7\xc0\xcc\xc5\xa9", "\xc6\xc4\xbd\xba\xc5\xb8", "\xc7\xc7\xc0\xda"},
    /* 짜장면, 딤섬, 우육면 */
    {"\xc2\xa5\xc0\xe5\xb8\xe9", "\xb5\xf5\xbc\xb6", "\xbf\xec\xc0\xb0\xb8\xe9"},
    /* 비빔밥, 불고기, 떡볶이 */
    {"\xba\xf1\xba\xf6\xb9\xe4", "\xba\xd2\xb0\xed\xb1\xe2", "\xb6\xb1\xba\xba\xc0\xcc"},
};

/* =====================오늘은 뭐 먹을까?=====================\n
   현재 지역이 어디인가요?\n1.서울, 2.부산, 3.인천 (99.종료): */
static const char region_menu[] =
    "=====================\xbf\xc0\xb4\xc3\xc0\xba \xb9\xb9 \xb8\xd4\xc0\xbb\xb1\xee?"
    "=====================\n\xc7\xf6\xc0\xe7 \xc1\xf6\xbf\xaa\xc0\xcc \xbe\xee\xb5\xf0"
    "\xc0\xce\xb0\xa1\xbf\xe4?\n1.\xbc\xad\xbf\xef, 2.\xba\xce\xbb\xea, 3.\xc0\xce"
    "\xc3\xb5 (99.\xc1\xbe\xb7\xe1):";
/* \n어떤 종류를 드시겠습니까?\n1.양식 2.중식 3.한식 (99.종료): */
static const char cuisine_menu[] =
    "\n\xbe\xee\xb6\xb2 \xc1\xbe\xb7\xf9\xb8\xa6 \xb5\xe5\xbd\xc3\xb0\xda\xbd\xc0\xb4\xcf"
    "\xb1\xee?\n1.\xbe\xe7\xbd\xc4 2.\xc1\xdf\xbd\xc4 3.\xc7\xd1\xbd\xc4 (99.\xc1\xbe"
    "\xb7\xe1):";
/* 잘못입력하셨습니다.\n\n, then the same with one line feed */
static const char wrong_region[] =
    "\xc0\xdf\xb8\xf8\xc0\xd4\xb7\xc2\xc7\xcf\xbc\xcc\xbd\xc0\xb4\xcf\xb4\xd9.\n\n";
static const char wrong_cuisine[] =
    "\xc0\xdf\xb8\xf8\xc0\xd4\xb7\xc2\xc7\xcf\xbc\xcc\xbd\xc0\xb4\xcf\xb4\xd9.\n";
/* \n오늘의 추천 음식은 %s 입니다. */
static const char closing[] =
    "\n\xbf\xc0\xb4\xc3\xc0\xc7 \xc3\xdf\xc3\xb5 \xc0\xbd\xbd\xc4\xc0\xba %s "
    "\xc0\xd4\xb4\xcf\xb4\xd9.";

static int ask(const char* prompt, const char* wrong, int* choice)
{
    for (;;) {
        fputs(prompt, stdout);
        if (scanf("%d", choice) == EOF)
            return 0;
        getchar();
        if (*choice >= 1 && *choice <= 3)
            return 1;
        if (*choice == 99)
            return 0;
        fputs(wrong, stdout);
        getchar();
    }
}

int main(void)
{
    int region = 0, cuisine = 0;
    char text[128];
    srand((unsigned)time(NULL));
    if (!ask(region_menu, wrong_region, &region) || !ask(cuisine_menu, wrong_cuisine, &cuisine))
        return 0;
    strcpy(text, regions[region - 1]);
    strcat(text, dishes[cuisine - 1][rand() % 3]);
    printf(closing, text);
    getchar();
    return 0;
}
