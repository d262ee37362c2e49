# Cross toolchain: Windows on i686 with MinGW-w64, the 32-bit release program.
# The win32 thread model: the posix model links winpthread, which imports
# GetTickCount64 and so keeps the program from starting on Windows XP. No
# tests are built for this flavour, so GoogleTest's need of the posix model
# (std::mutex) does not apply here.
# Used for the product and for the third-party libraries built by
# scripts/setup.sh into ${QUENVAR_DEPS_PREFIX}.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR X86)

set(QUENVAR_TRIPLET i686-w64-mingw32)
set(CMAKE_C_COMPILER   ${QUENVAR_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QUENVAR_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER  ${QUENVAR_TRIPLET}-windres)

get_filename_component(_quenvar_root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# Where setup.sh installed libpng/libjpeg-turbo for this triplet. Order:
# -DQUENVAR_DEPS_PREFIX=..., then the environment variable of that name,
# then $QUENVAR_BUILD/deps/<triplet>, then <repo>/build/deps/<triplet>.
if(NOT QUENVAR_DEPS_PREFIX)
  if(NOT "$ENV{QUENVAR_DEPS_PREFIX}" STREQUAL "")
    set(_quenvar_deps "$ENV{QUENVAR_DEPS_PREFIX}")
  elseif(NOT "$ENV{QUENVAR_BUILD}" STREQUAL "")
    set(_quenvar_deps "$ENV{QUENVAR_BUILD}/deps/${QUENVAR_TRIPLET}")
  else()
    set(_quenvar_deps "${_quenvar_root}/build/deps/${QUENVAR_TRIPLET}")
  endif()
  set(QUENVAR_DEPS_PREFIX "${_quenvar_deps}" CACHE PATH
      "Install prefix of the cross-built libraries for ${QUENVAR_TRIPLET}")
endif()
# try_compile projects load this file again; give them the same value.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES QUENVAR_DEPS_PREFIX)

set(CMAKE_FIND_ROOT_PATH /usr/${QUENVAR_TRIPLET} "${QUENVAR_DEPS_PREFIX}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# FindZLIB (used by FindPNG) prefers libz.dll.a, and the program would then
# import zlib1.dll even when linked with -static.
set(ZLIB_LIBRARY /usr/${QUENVAR_TRIPLET}/lib/libz.a CACHE FILEPATH "Static zlib")
set(ZLIB_INCLUDE_DIR /usr/${QUENVAR_TRIPLET}/include CACHE PATH "zlib headers")

# Link every executable fully static: it would otherwise need libstdc++-6.dll
# and libgcc's DLL beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# No emulator: 32-bit Windows programs cannot run on this kind of machine
# (Wine's 32-bit loader needs 32-bit Linux support, which the kernel lacks).
