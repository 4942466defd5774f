#pragma once

#include "console.hpp"

#include <cstddef>
#include <string_view>

// The part of a real console that is the same on every platform: input read
// in blocks and handed out a byte at a time, output held back in a buffer.
//
// Output is held back until a read is about to wait for input, the buffer is
// full or the program ends, so prompts are always visible before the program
// waits, yet a stream of answers that are already waiting costs few writes.
// The buffer only ever holds whole texts, so that a platform can convert
// what it delivers without cutting a character in two.
class BufferedConsole : public Console {
public:
    int peek() final;
    int get() final;
    void write(std::string_view text) final;
    // Delivers all that is held back.
    void flush();

    BufferedConsole(const BufferedConsole&) = delete;
    BufferedConsole& operator=(const BufferedConsole&) = delete;

protected:
    // The buffers are left unset: only what has been put into them is read.
    // cppcheck-suppress uninitMemberVar
    BufferedConsole() = default;
    ~BufferedConsole() = default;

    // Reads some input into `buffer`, waiting for it if need be, and returns
    // the count read: 0 at the end of the input or after a read error.
    virtual std::size_t receive(char* buffer, std::size_t size) = 0;
    // Writes out whole texts, converted as the output needs them. A failed
    // write ends the process through fail_write().
    virtual void deliver(std::string_view texts) = 0;

private:
    bool fill();

    bool input_ended_ = false;
    std::size_t input_next_ = 0;
    std::size_t input_size_ = 0;
    std::size_t output_size_ = 0;
    char input_[4096];
    char output_[8192];
};

// Ends the process after a failed write to standard output: a failure must
// not be reported as success. Writes the system's reason for `error` to
// standard error and exits with status 1.
[[noreturn]] void fail_write(int error);
