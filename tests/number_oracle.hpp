#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// The C libraries differ in what scanf does with a sign that no digit
// follows: glibc takes it, the BSDs' libraries push it back. The program
// reads numbers as glibc does, so only glibc's scanf is a fair yardstick.
#ifdef __GLIBC__
inline constexpr bool scanf_is_comparable = true;
#else
inline constexpr bool scanf_is_comparable = false;
#endif

// Reads `bytes` as the dialogue reads answers, a number and then one byte
// dropped, again and again: once with the C library's fscanf("%d") and
// fgetc(), once with read_number() and a console's get(). Returns what first
// differs, or nothing: the bytes each number read takes, whether it stores a
// value, the value itself within the 32-bit range (beyond it the C library
// wraps where read_number() saturates), and each byte dropped.
std::string compare_with_scanf(std::string_view bytes);
