#pragma once

#include "buffered_console.hpp"

#include <cstddef>
#include <iconv.h>
#include <string_view>

// The console of a POSIX process, over the file descriptors of standard
// input and output. On a terminal the EUC-KR texts are converted to the
// user's character set and the screen can be cleared; anything else gets the
// bytes unchanged and no clearing.
class PosixConsole final : public BufferedConsole {
public:
    PosixConsole(int input_fd, int output_fd);
    ~PosixConsole();

    void clear_screen() override;

private:
    std::size_t receive(char* buffer, std::size_t size) override;
    void deliver(std::string_view texts) override;
    void send(std::string_view bytes);

    int input_fd_;
    int output_fd_;
    bool clears_;
    iconv_t converter_;
};
