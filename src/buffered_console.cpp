#include "buffered_console.hpp"

#include <cstdio>
#include <cstdlib>
#include <cstring>

int BufferedConsole::peek()
{
    if (input_next_ == input_size_ && !fill())
        return end;
    return static_cast<unsigned char>(input_[input_next_]);
}

int BufferedConsole::get()
{
    const int byte = peek();
    if (byte != end)
        ++input_next_;
    return byte;
}

// Once the input has ended it stays ended, as with the C library's streams:
// a later read doesn't wait on a terminal again.
bool BufferedConsole::fill()
{
    if (input_ended_)
        return false;
    // The read may wait for the user, who must first see the prompt.
    flush();
    input_next_ = 0;
    input_size_ = receive(input_, sizeof input_);
    input_ended_ = input_size_ == 0;
    return !input_ended_;
}

void BufferedConsole::write(std::string_view text)
{
    if (text.size() > sizeof output_ - output_size_)
        flush();
    if (text.size() > sizeof output_) {
        deliver(text);
        return;
    }
    std::memcpy(output_ + output_size_, text.data(), text.size());
    output_size_ += text.size();
}

void BufferedConsole::flush()
{
    if (output_size_ > 0)
        deliver({output_, output_size_});
    output_size_ = 0;
}

void fail_write(int error)
{
    std::fprintf(stderr, "meal-recommender: write error: %s\n", std::strerror(error));
    std::exit(1);
}
