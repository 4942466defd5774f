#pragma once

#include "buffered_console.hpp"

#include <cstddef>
#include <string_view>

// The console of a Windows process, over the C runtime's standard input and
// output in text mode, so line ends are a console's: CR LF is written for
// each line feed, and CR LF typed is read as one line feed.
//
// On a console whose output code page is not 949 the EUC-KR texts are
// converted and written as wide characters, so that the Korean stays
// readable; anything else gets the bytes unchanged. Only a console is
// cleared, by handing "cls" to the command interpreter.
class WindowsConsole final : public BufferedConsole {
public:
    WindowsConsole(int input_fd, int output_fd);

    void clear_screen() override;

private:
    std::size_t receive(char* buffer, std::size_t size) override;
    void deliver(std::string_view texts) override;
    void send(std::string_view bytes);
    void send_wide(std::string_view texts);

    int input_fd_;
    int output_fd_;
    void* console_; // the console's handle, or null when the output is no console
    bool wide_;
};
