#pragma once

#include <string>
#include <string_view>
#include <vector>

struct Finished {
    std::string output;
    std::string errors;
    int status; // the exit status, or 128 plus the signal that ended it
};

// What the program's standard input is: a pipe that the test writes to,
// possibly non-blocking, or one that can't be read.
enum class Input { pipe, nonblocking_pipe, closed, directory };

// The built program, or the one that MEAL_RECOMMENDER names, run through the
// launcher that MEAL_LAUNCHER names if there is one (such as Wine), started
// with pipes on its standard streams, or with its output going to the file
// `output_path` when one is given. A `prefix` is a command that runs all of
// this, such as faketime.
struct Running {
    int pid;
    int input;  // write end; close it to end the program's input
    int output; // read end, or -1 when the output goes to a file
    int errors; // read end
};
Running start_program(const std::vector<std::string>& arguments = {},
                      const char* output_path = nullptr, Input input = Input::pipe,
                      const std::vector<std::string>& prefix = {});
// Closes the input, reads both outputs to their end and waits for the exit.
Finished finish_program(Running& program);

// Runs the built program over `input` given all at once.
Finished run_program(std::string_view input, const std::vector<std::string>& arguments = {},
                     const char* output_path = nullptr,
                     const std::vector<std::string>& prefix = {});

// Runs the program on a pseudo-terminal in raw mode, so that bytes pass
// both ways unchanged, with the environment's `settings` ("NAME=value").
Finished run_in_terminal(std::string_view input, std::vector<std::string> settings);

// Writes all of `bytes` to a file descriptor.
void write_all(int fd, std::string_view bytes);
