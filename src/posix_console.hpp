#pragma once

#include "console.hpp"

#include <cstddef>
#include <iconv.h>
#include <string_view>

// The console of a POSIX process: standard input and output as file
// descriptors, read and written through buffers of its own.
//
// Output is held back until a read is about to wait for input, the buffer is
// full or the dialogue ends, so prompts are always visible before the program
// waits, yet a stream of answers that are already waiting costs few writes.
// On a terminal the EUC-KR texts are converted to the user's character set
// and the screen can be cleared; to anything else the bytes go unchanged.
// A failed write ends the process with a message and status 1.
class PosixConsole final : public Console {
public:
    PosixConsole(int input_fd, int output_fd);
    ~PosixConsole();
    PosixConsole(const PosixConsole&) = delete;
    PosixConsole& operator=(const PosixConsole&) = delete;

    int peek() override;
    int get() override;
    void write(std::string_view text) override;
    void clear_screen() override;
    // Writes out what is held back, ending any shift state of the conversion.
    void finish();

private:
    bool fill();
    void put(std::string_view bytes);
    void convert(std::string_view text);
    void flush();

    int input_fd_;
    int output_fd_;
    bool terminal_;
    bool clears_;
    iconv_t converter_;
    bool input_ended_ = false;
    std::size_t input_next_ = 0;
    std::size_t input_size_ = 0;
    std::size_t output_size_ = 0;
    char input_[4096];
    char output_[8192];
};
