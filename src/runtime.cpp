// The one piece of the C++ run-time library that the program's own code
// would otherwise need: the handler that the compilers' tables of virtual
// functions name for a pure virtual function. No such function is ever
// called here, and defining the handler keeps the whole C++ run-time library
// from being loaded at start-up for its sake.

#include <cstdlib>

// The name is the one the C++ ABI gives the handler.
extern "C" void __cxa_pure_virtual() // NOLINT(bugprone-reserved-identifier)
{
    std::abort();
}
