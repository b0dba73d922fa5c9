# Cross-build for 64-bit ARM Linux with Debian's cross toolchain and the
# arm64 multiarch packages (libjson-c-dev:arm64; libgtest-dev:arm64 and
# qemu-user for the tests):
#   cmake -S . -B build-arm64 -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake
# Test programs run under user-mode QEMU, so ctest works on the build machine.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)

set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# Headers and libraries of the target: the cross toolchain's own root and the
# arm64 multiarch directories; programs come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu /)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# pkg-config must see the arm64 .pc files only.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig")
set(ENV{PKG_CONFIG_PATH} "")
set(ENV{PKG_CONFIG_SYSROOT_DIR} "")

# The programs load the cross toolchain's C and C++ runtime (-L, as
# QEMU_LD_PREFIX). Its C library must come first on the guest's library path:
# the arm64 multiarch packages bring a C library of their own, of another
# build, and a loader of one build with the C library of the other hangs in
# the first pthread_create. Without qemu-user the library still builds; only
# the tests cannot run.
find_program(DEVCAP_QEMU_AARCH64 qemu-aarch64)
if(DEVCAP_QEMU_AARCH64)
  set(CMAKE_CROSSCOMPILING_EMULATOR
      "${DEVCAP_QEMU_AARCH64};-L;/usr/aarch64-linux-gnu;-E;LD_LIBRARY_PATH=/usr/aarch64-linux-gnu/lib")
endif()
