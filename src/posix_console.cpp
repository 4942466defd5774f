#include "posix_console.hpp"

#include <algorithm>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <langinfo.h>
#include <locale.h>
#include <poll.h>
#include <strings.h>
#include <unistd.h>

namespace {

const auto no_converter = reinterpret_cast<iconv_t>(-1);

// The texts' own encoding. A terminal that uses it, or its superset code
// page 949, needs no conversion.
constexpr const char* text_encoding = "EUC-KR";

bool names_one_of(const char* name, std::initializer_list<const char*> names)
{
    for (const char* candidate : names) {
        if (strcasecmp(name, candidate) == 0)
            return true;
    }
    return false;
}

// Opens the conversion to the character set of the locale that the user's
// environment names, asked of the C library without switching the program's
// own locale. The C locale's set is plain ASCII, which can't show Korean, and
// terminals left in it are UTF-8 in practice, so it is taken as UTF-8.
iconv_t open_terminal_converter()
{
    char codeset[64] = "ANSI_X3.4-1968";
    if (locale_t user = newlocale(LC_CTYPE_MASK, "", locale_t{}); user != locale_t{}) {
        const char* name = nl_langinfo_l(CODESET, user);
        std::strncpy(codeset, name, sizeof codeset - 1);
        freelocale(user);
    }
    if (names_one_of(codeset, {"EUC-KR", "EUCKR", "CP949", "UHC"}))
        return no_converter;
    if (names_one_of(codeset, {"ANSI_X3.4-1968", "ASCII", "US-ASCII"}))
        std::strcpy(codeset, "UTF-8");
    return iconv_open(codeset, text_encoding);
}

// Like clear(1), which clears nothing where the terminal's type is unknown or
// is one without a screen to clear, such as the dumb terminal of an editor.
bool can_clear()
{
    const char* type = std::getenv("TERM");
    return type != nullptr && *type != '\0' && std::strcmp(type, "dumb") != 0;
}

[[noreturn]] void fail_write(int error)
{
    char message[256];
    std::snprintf(message, sizeof message, "meal-recommender: write error: %s\n",
                  std::strerror(error));
    // Nothing more can be done if standard error fails too.
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, message, std::strlen(message));
    std::exit(1);
}

} // namespace

PosixConsole::PosixConsole(int input_fd, int output_fd)
    : input_fd_(input_fd), output_fd_(output_fd), terminal_(isatty(output_fd) == 1),
      clears_(terminal_ && can_clear()),
      converter_(terminal_ ? open_terminal_converter() : no_converter)
{
}

PosixConsole::~PosixConsole()
{
    if (converter_ != no_converter)
        iconv_close(converter_);
}

int PosixConsole::peek()
{
    if (input_next_ == input_size_ && !fill())
        return end;
    return static_cast<unsigned char>(input_[input_next_]);
}

int PosixConsole::get()
{
    const int byte = peek();
    if (byte != end)
        ++input_next_;
    return byte;
}

// Once the input has ended it stays ended, as with the C library's streams:
// a later read doesn't wait on a terminal again.
bool PosixConsole::fill()
{
    if (input_ended_)
        return false;
    // The read below may wait for the user, who must first see the prompt.
    flush();
    for (;;) {
        const ssize_t count = ::read(input_fd_, input_, sizeof input_);
        if (count > 0) {
            input_next_ = 0;
            input_size_ = static_cast<std::size_t>(count);
            return true;
        }
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            // Standard input was left non-blocking by someone else: wait here.
            pollfd readable = {input_fd_, POLLIN, 0};
            (void)poll(&readable, 1, -1);
            continue;
        }
        // The end of the input, or a read error that nothing can mend.
        input_ended_ = true;
        return false;
    }
}

void PosixConsole::write(std::string_view text)
{
    if (converter_ == no_converter)
        put(text);
    else
        convert(text);
}

void PosixConsole::clear_screen()
{
    // What clear(1) writes on common terminals: cursor home, erase the
    // screen, erase the scrollback. Pipes and files get nothing.
    if (clears_)
        put("\x1b[H\x1b[2J\x1b[3J");
}

void PosixConsole::finish()
{
    if (converter_ != no_converter) {
        flush();
        char* out = output_;
        std::size_t room = sizeof output_;
        (void)iconv(converter_, nullptr, nullptr, &out, &room);
        output_size_ = sizeof output_ - room;
    }
    flush();
}

void PosixConsole::put(std::string_view bytes)
{
    while (!bytes.empty()) {
        if (output_size_ == sizeof output_)
            flush();
        const std::size_t count = std::min(bytes.size(), sizeof output_ - output_size_);
        std::memcpy(output_ + output_size_, bytes.data(), count);
        output_size_ += count;
        bytes.remove_prefix(count);
    }
}

void PosixConsole::convert(std::string_view text)
{
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(text.data());
    std::size_t in_left = text.size();
    while (in_left > 0) {
        char* out = output_ + output_size_;
        std::size_t room = sizeof output_ - output_size_;
        const std::size_t result = iconv(converter_, &in, &in_left, &out, &room);
        output_size_ = sizeof output_ - room;
        if (result != static_cast<std::size_t>(-1))
            break;
        if (errno == E2BIG) {
            flush();
            continue;
        }
        // A character the user's set can't show: a question mark stands in
        // for it, and its two bytes (one, if it is a lone byte) are skipped.
        put("?");
        const std::size_t skip = static_cast<unsigned char>(*in) >= 0x80 && in_left >= 2 ? 2 : 1;
        in += skip;
        in_left -= skip;
    }
}

void PosixConsole::flush()
{
    std::size_t done = 0;
    while (done < output_size_) {
        const ssize_t count = ::write(output_fd_, output_ + done, output_size_ - done);
        if (count >= 0)
            done += static_cast<std::size_t>(count);
        else if (errno != EINTR)
            fail_write(errno);
    }
    output_size_ = 0;
}
