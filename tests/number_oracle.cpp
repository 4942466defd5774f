#include "number_oracle.hpp"

#include "dialogue.hpp"
#include "memory_console.hpp"

#include <cstdint>
#include <cstdio>

std::string compare_with_scanf(std::string_view bytes)
{
    if (bytes.empty())
        return {}; // fmemopen() takes no empty buffer; nothing to compare anyway
    std::FILE* oracle = fmemopen(const_cast<char*>(bytes.data()), bytes.size(), "r");
    if (oracle == nullptr)
        return "fmemopen failed";
    MemoryConsole ours(bytes);
    std::string difference;
    for (int answer = 1; difference.empty(); ++answer) {
        int their_value = 7;
        std::int32_t my_value = 7;
        const bool they_stored = std::fscanf(oracle, "%d", &their_value) == 1;
        const ReadResult result = read_number(ours, my_value);
        const long their_place = std::ftell(oracle);
        const long my_place = static_cast<long>(bytes.size() - ours.rest().size());
        const std::string at = "answer " + std::to_string(answer) + ": ";
        if (they_stored != (result == ReadResult::stored))
            difference = at + (they_stored ? "scanf stored a number" : "scanf stored nothing");
        else if (their_place != my_place)
            difference = at + "scanf stopped at " + std::to_string(their_place) + ", not " +
                         std::to_string(my_place);
        else if (they_stored && their_value != my_value && my_value != INT32_MAX &&
                 my_value != INT32_MIN)
            difference = at + "scanf read " + std::to_string(their_value) + ", not " +
                         std::to_string(my_value);
        else if (result != ReadResult::ended && std::fgetc(oracle) != ours.peek())
            difference = at + "a different byte was dropped";
        if (result == ReadResult::ended || ours.get() == Console::end)
            break;
    }
    std::fclose(oracle);
    return difference;
}
