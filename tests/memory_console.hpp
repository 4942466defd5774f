#pragma once

#include "console.hpp"

#include <cstddef>
#include <string>
#include <string_view>

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
