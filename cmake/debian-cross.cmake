# Cross-compiles for another Linux architecture with Debian's cross
# compilers (g++-<triple>), whose C library lives in /usr/<triple>. The
# toolchain file that includes this one sets MEAL_CROSS_TRIPLE and
# CMAKE_SYSTEM_PROCESSOR. Programs built here run on this machine under
# qemu-user, which the emulator setting names for CMake and CTest.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${MEAL_CROSS_TRIPLE}-gcc)
set(CMAKE_CXX_COMPILER ${MEAL_CROSS_TRIPLE}-g++)
set(CMAKE_FIND_ROOT_PATH /usr/${MEAL_CROSS_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${MEAL_QEMU} -L /usr/${MEAL_CROSS_TRIPLE})
