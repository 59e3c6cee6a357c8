# Cross toolchain for the 64-bit Windows build of the same sources: mingw-w64 x86_64 with posix
# threads. The shipped deliverables are the 32-bit ones (toolchain-mingw32.cmake); this tree runs
# the wine tests on machines that cannot execute 32-bit code and keeps the code 64-bit clean.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(LEXITON_MINGW_TRIPLET x86_64-w64-mingw32)
set(LEXITON_MINGW_CACHE_NAME mingw64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
