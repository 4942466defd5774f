#include "posix_console.hpp"

#include <cerrno>
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
// terminals left in it are UTF-8 in practice, so it is taken as UTF-8. A
// terminal that uses EUC-KR, or its superset code page 949, needs nothing.
iconv_t open_terminal_converter()
{
    char codeset[64] = "ANSI_X3.4-1968";
    if (locale_t user = newlocale(LC_CTYPE_MASK, "", locale_t{}); user != locale_t{}) {
        std::strncpy(codeset, nl_langinfo_l(CODESET, user), sizeof codeset - 1);
        freelocale(user);
    }
    if (names_one_of(codeset, {"EUC-KR", "EUCKR", "CP949", "UHC"}))
        return no_converter;
    if (names_one_of(codeset, {"ANSI_X3.4-1968", "ASCII", "US-ASCII"}))
        std::strcpy(codeset, "UTF-8");
    return iconv_open(codeset, "EUC-KR");
}

// Like clear(1), which writes nothing where TERM is unset or empty, or is
// "dumb", the type of an editor's shell buffer, which has no screen to clear.
// Every other type is taken to know the common escape sequences.
bool can_clear()
{
    const char* type = std::getenv("TERM");
    return type != nullptr && *type != '\0' && std::strcmp(type, "dumb") != 0;
}

} // namespace

PosixConsole::PosixConsole(int input_fd, int output_fd)
    : input_fd_(input_fd), output_fd_(output_fd), clears_(false), converter_(no_converter)
{
    if (isatty(output_fd) == 1) {
        clears_ = can_clear();
        converter_ = open_terminal_converter();
    }
}

PosixConsole::~PosixConsole()
{
    if (converter_ != no_converter)
        iconv_close(converter_);
}

void PosixConsole::clear_screen()
{
    // What clear(1) writes on common terminals: cursor home, erase the
    // screen, erase the scrollback.
    if (clears_)
        write("\x1b[H\x1b[2J\x1b[3J");
}

std::size_t PosixConsole::receive(char* buffer, std::size_t size)
{
    for (;;) {
        const ssize_t count = ::read(input_fd_, buffer, size);
        if (count >= 0)
            return static_cast<std::size_t>(count);
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // Standard input was left non-blocking by someone else: wait here.
            pollfd readable = {input_fd_, POLLIN, 0};
            (void)poll(&readable, 1, -1);
        } else if (errno != EINTR) {
            return 0; // a read error that nothing can mend ends the input
        }
    }
}

void PosixConsole::deliver(std::string_view texts)
{
    if (converter_ == no_converter) {
        send(texts);
        return;
    }
    // iconv's interface takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(texts.data());
    std::size_t in_left = texts.size();
    char converted[4096];
    while (in_left > 0) {
        char* out = converted;
        std::size_t room = sizeof converted;
        const bool stuck =
            iconv(converter_, &in, &in_left, &out, &room) == static_cast<std::size_t>(-1) &&
            errno != E2BIG;
        send({converted, sizeof converted - room});
        if (stuck) {
            // A character the user's set can't show: a question mark stands
            // in for it, and its two bytes (one, if it is a lone byte) go.
            send("?");
            const std::size_t skip =
                static_cast<unsigned char>(*in) >= 0x80 && in_left >= 2 ? 2 : 1;
            in += skip;
            in_left -= skip;
        }
    }
    // Every delivery ends in the initial shift state, for the sets that have one.
    char* out = converted;
    std::size_t room = sizeof converted;
    (void)iconv(converter_, nullptr, nullptr, &out, &room);
    send({converted, sizeof converted - room});
}

void PosixConsole::send(std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t count = ::write(output_fd_, bytes.data(), bytes.size());
        if (count >= 0)
            bytes.remove_prefix(static_cast<std::size_t>(count));
        else if (errno != EINTR)
            fail_write(errno);
    }
}
