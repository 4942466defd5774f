#pragma once

#include <string_view>

// What the dialogue needs from the place it runs in: one continuous stream
// of input bytes that it can look one byte ahead in, somewhere to write its
// EUC-KR texts, and a way to clear the screen.
class Console {
public:
    static constexpr int end = -1;

    // The next input byte (0 to 255) without taking it, or `end` once the
    // input has ended or failed. Waits for input only when none is waiting.
    virtual int peek() = 0;
    // Takes the next input byte, as peek() would show it.
    virtual int get() = 0;
    virtual void write(std::string_view text) = 0;
    virtual void clear_screen() = 0;

protected:
    Console() = default;
    Console(const Console&) = default;
    Console& operator=(const Console&) = default;
    ~Console() = default;
};
