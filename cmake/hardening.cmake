# meal_hardening: the protections that Debian's dpkg-buildflags gives with
# hardening=+all, for every optimised build of a program. Each flag is
# checked with the compiler or linker in use and left out where it is not
# accepted, so that other compilers and linkers (Apple's, the BSDs') build
# the program all the same. Position-independent executables are turned on
# for every build, the CMake way.
#
# The flags go only into optimised configurations: fortified functions need
# the optimiser, and debug, sanitizer and fuzzing builds have checks of
# their own.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)
include(CheckPIESupported)

check_pie_supported(OUTPUT_VARIABLE pie_message LANGUAGES C CXX)
if(NOT CMAKE_CXX_LINK_PIE_SUPPORTED)
  message(STATUS "Executables will not be position independent: ${pie_message}")
endif()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_library(meal_hardening INTERFACE)
set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")

# Adds each flag that `check` (a compiler or a linker check) accepts.
function(meal_add_checked kind)
  foreach(flag IN LISTS ARGN)
    string(MAKE_C_IDENTIFIER "MEAL_HAS${flag}" accepted)
    if(kind STREQUAL "compile")
      check_cxx_compiler_flag(${flag} ${accepted})
    else()
      check_linker_flag(CXX ${flag} ${accepted})
    endif()
    if(${accepted})
      if(kind STREQUAL "compile")
        target_compile_options(meal_hardening INTERFACE $<${optimised}:${flag}>)
      else()
        target_link_options(meal_hardening INTERFACE $<${optimised}:${flag}>)
      endif()
    endif()
  endforeach()
endfunction()

if(WIN32)
  # Address space layout randomisation, with the whole 64-bit range, and
  # data execution prevention, marked in the executable's PE header.
  meal_add_checked(link LINKER:--dynamicbase LINKER:--high-entropy-va LINKER:--nxcompat)
else()
  # -fcf-protection exists on x86 only; the check leaves it out elsewhere.
  meal_add_checked(compile -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  meal_add_checked(link LINKER:-z,relro LINKER:-z,now)
  target_compile_definitions(meal_hardening INTERFACE $<${optimised}:_FORTIFY_SOURCE=2>)
endif()
