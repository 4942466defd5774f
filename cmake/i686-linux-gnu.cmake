# 32-bit x86 (Debian's i386), with g++-i686-linux-gnu and qemu-i386.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MEAL_CROSS_TRIPLE i686-linux-gnu)
set(MEAL_QEMU qemu-i386)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
