# 64-bit Arm (Debian's arm64), with g++-aarch64-linux-gnu and qemu-aarch64.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(MEAL_CROSS_TRIPLE aarch64-linux-gnu)
set(MEAL_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
