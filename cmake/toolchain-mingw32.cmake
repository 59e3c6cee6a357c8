# Cross toolchain for the 32-bit Windows deliverables: mingw-w64 i686 with posix threads.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(LEXITON_MINGW_TRIPLET i686-w64-mingw32)
set(LEXITON_MINGW_CACHE_NAME mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
