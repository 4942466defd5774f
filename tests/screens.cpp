#include "screens.hpp"

#include <cerrno>
#include <cstdlib>
#include <iconv.h>
#include <stdexcept>

std::string euc_kr(std::string_view utf8)
{
    iconv_t cd = iconv_open("EUC-KR", "UTF-8");
    if (cd == reinterpret_cast<iconv_t>(-1))
        throw std::runtime_error("no UTF-8 to EUC-KR conversion");
    std::string result(utf8.size() * 2, '\0');
    char* in = const_cast<char*>(utf8.data());
    std::size_t in_left = utf8.size();
    char* out = result.data();
    std::size_t room = result.size();
    const bool ok = iconv(cd, &in, &in_left, &out, &room) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok)
        throw std::runtime_error("not convertible to EUC-KR: " + std::string(utf8));
    result.resize(result.size() - room);
    return result;
}

std::string written(std::string_view utf8)
{
    std::string bytes = euc_kr(utf8);
    const char* line_end = std::getenv("MEAL_LINE_END");
    if (line_end == nullptr || std::string_view(line_end) != "crlf")
        return bytes;
    std::string windows;
    for (char byte : bytes)
        windows += byte == '\n' ? "\r\n" : std::string(1, byte);
    return windows;
}
