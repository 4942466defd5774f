# 32-bit Arm with hardware floating point (Debian's armhf), with
# g++-arm-linux-gnueabihf and qemu-arm.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(MEAL_CROSS_TRIPLE arm-linux-gnueabihf)
set(MEAL_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
