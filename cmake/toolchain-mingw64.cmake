# Cross toolchain for the 64-bit Windows build of the same sources: mingw-w64 x86_64 with posix
# threads. The shipped deliverables are the 32-bit ones (toolchain-mingw32.cmake); this tree runs
# the wine tests on machines that cannot execute 32-bit code and keeps the code 64-bit clean.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
if(DEFINED ENV{LEXITON_CACHE})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{LEXITON_CACHE}/mingw64)
else()
  list(APPEND CMAKE_FIND_ROOT_PATH /var/cache/lexiton/mingw64)
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
