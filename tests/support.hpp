#pragma once

#include "console.hpp"

#include <string>
#include <string_view>
#include <vector>

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

// A console over a string of input, collecting what is written. A clear of
// the screen shows in the output as "[clear]".
class MemoryConsole final : public Console {
public:
    explicit MemoryConsole(std::string_view input) : input_(input) {}
    int peek() override
    {
        return next_ < input_.size() ? static_cast<unsigned char>(input_[next_]) : end;
    }
    int get() override
    {
        const int byte = peek();
        next_ += byte != end;
        return byte;
    }
    void write(std::string_view text) override { output += text; }
    void clear_screen() override { output += "[clear]"; }
    std::string_view rest() const { return input_.substr(next_); }

    std::string output;

private:
    std::string_view input_;
    std::size_t next_ = 0;
};

struct Finished {
    std::string output;
    std::string errors;
    int status; // the exit status, or 128 plus the signal that ended it
};

// The built program, or the one that MEAL_RECOMMENDER names, run through the
// launcher that MEAL_LAUNCHER names if there is one (such as Wine), started
// with pipes on its standard streams, or with its output going to the file
// `output_path` when one is given.
struct Running {
    int pid;
    int input;  // write end; close it to end the program's input
    int output; // read end, or -1 when the output goes to a file
    int errors; // read end
};
Running start_program(const std::vector<std::string>& arguments = {},
                      const char* output_path = nullptr);
// Closes the input, reads both outputs to their end and waits for the exit.
Finished finish_program(Running& program);

// Runs the built program over `input` given all at once.
Finished run_program(std::string_view input, const std::vector<std::string>& arguments = {},
                     const char* output_path = nullptr);

// Runs the built program on a pseudo-terminal in raw mode, so that bytes pass
// both ways unchanged, with the environment's `settings` ("NAME=value").
Finished run_in_terminal(std::string_view input, std::vector<std::string> settings);

// Writes all of `bytes` to a file descriptor.
void write_all(int fd, std::string_view bytes);
