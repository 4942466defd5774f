#include "windows_console.hpp"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <io.h>
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace {

// The texts' code page: EUC-KR and its superset, Unified Hangul Code.
constexpr UINT text_code_page = 949;

} // namespace

WindowsConsole::WindowsConsole(int input_fd, int output_fd)
    : input_fd_(input_fd), output_fd_(output_fd), console_(nullptr), wide_(false)
{
    // _isatty() is true for any character device, the NUL device among
    // them; only a real console has a console mode.
    HANDLE handle = reinterpret_cast<HANDLE>(_get_osfhandle(output_fd));
    DWORD mode = 0;
    if (handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0) {
        console_ = handle;
        wide_ = GetConsoleOutputCP() != text_code_page;
    }
}

void WindowsConsole::clear_screen()
{
    if (console_ == nullptr)
        return;
    // What is written so far must be on the screen before it is cleared.
    flush();
    // As ever with "cls", whether it worked makes no difference here.
    (void)std::system("cls");
}

std::size_t WindowsConsole::receive(char* buffer, std::size_t size)
{
    const int count = _read(input_fd_, buffer, static_cast<unsigned>(size));
    return count > 0 ? static_cast<std::size_t>(count) : 0;
}

void WindowsConsole::deliver(std::string_view texts)
{
    if (wide_)
        send_wide(texts);
    else
        send(texts);
}

void WindowsConsole::send(std::string_view bytes)
{
    while (!bytes.empty()) {
        const unsigned chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1 << 20));
        const int count = _write(output_fd_, bytes.data(), chunk);
        if (count < 0)
            fail_write(errno);
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
}

void WindowsConsole::send_wide(std::string_view texts)
{
    constexpr std::size_t chunk = 1024;
    wchar_t wide[chunk + 1];
    while (!texts.empty()) {
        // A chunk never ends between the two bytes of one character.
        std::size_t take = 0;
        while (take < chunk && take < texts.size())
            take += IsDBCSLeadByteEx(text_code_page, static_cast<BYTE>(texts[take]))
                        ? std::size_t{2}
                        : std::size_t{1};
        take = std::min(take, texts.size());
        const int count =
            MultiByteToWideChar(text_code_page, 0, texts.data(), static_cast<int>(take), wide,
                                static_cast<int>(chunk + 1));
        DWORD written = 0;
        for (int done = 0; done < count; done += static_cast<int>(written)) {
            if (WriteConsoleW(console_, wide + done, static_cast<DWORD>(count - done), &written,
                              nullptr) == 0)
                fail_write(EIO);
        }
        texts.remove_prefix(take);
    }
}
