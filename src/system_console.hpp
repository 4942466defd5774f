#pragma once

// The console of the platform the program is built for, as SystemConsole.
#ifdef _WIN32
#include "windows_console.hpp"
using SystemConsole = WindowsConsole;
#else
#include "posix_console.hpp"
using SystemConsole = PosixConsole;
#endif
