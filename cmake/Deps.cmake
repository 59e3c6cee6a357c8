# The named dependencies as imported targets: lexiton::zlib, lexiton::cryptopp, lexiton::curl,
# lexiton::sqlite3, lexiton::gtest (with main), and natively benchmark::benchmark. Natively they
# come from Debian's packages; for mingw from the cache that scripts/deps.sh fills (mingw32 for
# i686, mingw64 for x86_64).
if(DEFINED ENV{LEXITON_CACHE})
  set(LEXITON_CACHE $ENV{LEXITON_CACHE})
else()
  set(LEXITON_CACHE /var/cache/lexiton)
endif()


if(LEXITON_WIN32)
  # scripts/deps.sh fills one prefix per architecture.
  if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    set(prefix ${LEXITON_CACHE}/mingw64)
  else()
    set(prefix ${LEXITON_CACHE}/mingw32)
  endif()
  set(LEXITON_MINGW_PREFIX ${prefix})
  if(NOT EXISTS ${prefix}/lib/libcryptopp.a)
    message(FATAL_ERROR "mingw dependencies missing in ${prefix}: run 'make deps' first")
  endif()
  # Static zlib: no zlib1.dll travels with the deliverables (or exists in the wine prefix).
  set(ZLIB_USE_STATIC_LIBS ON)
  find_package(ZLIB REQUIRED)
  add_library(lexiton::zlib INTERFACE IMPORTED)
  target_link_libraries(lexiton::zlib INTERFACE ZLIB::ZLIB)

  add_library(lexiton::cryptopp STATIC IMPORTED)
  set_target_properties(lexiton::cryptopp PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/libcryptopp.a
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include
    # Crypto++ objects change layout with these defines: users compile with exactly the
    # configuration scripts/deps.sh built the library with.
    INTERFACE_COMPILE_DEFINITIONS "CRYPTOPP_DISABLE_ASM"
    INTERFACE_LINK_LIBRARIES "bcrypt;advapi32")

  add_library(lexiton::curl STATIC IMPORTED)
  set_target_properties(lexiton::curl PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/libcurl.a
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    INTERFACE_LINK_LIBRARIES "ws2_32;crypt32;bcrypt;secur32;wldap32;normaliz;advapi32")

  add_library(lexiton::sqlite3 STATIC IMPORTED)
  set_target_properties(lexiton::sqlite3 PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/libsqlite3.a
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include)

  add_library(lexiton::gtest STATIC IMPORTED)
  set_target_properties(lexiton::gtest PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/libgtest_main.a
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include
    INTERFACE_LINK_LIBRARIES ${prefix}/lib/libgtest.a)
  add_library(lexiton::gmock STATIC IMPORTED)
  set_target_properties(lexiton::gmock PROPERTIES
    IMPORTED_LOCATION ${prefix}/lib/libgmock.a
    INTERFACE_INCLUDE_DIRECTORIES ${prefix}/include)
else()
  find_package(ZLIB REQUIRED)
  add_library(lexiton::zlib INTERFACE IMPORTED)
  target_link_libraries(lexiton::zlib INTERFACE ZLIB::ZLIB)

  find_package(PkgConfig REQUIRED)
  pkg_check_modules(CRYPTOPP REQUIRED IMPORTED_TARGET libcrypto++)
  add_library(lexiton::cryptopp INTERFACE IMPORTED)
  target_link_libraries(lexiton::cryptopp INTERFACE PkgConfig::CRYPTOPP)

  find_package(CURL REQUIRED)
  add_library(lexiton::curl INTERFACE IMPORTED)
  target_link_libraries(lexiton::curl INTERFACE CURL::libcurl)

  find_package(SQLite3 REQUIRED)
  add_library(lexiton::sqlite3 INTERFACE IMPORTED)
  target_link_libraries(lexiton::sqlite3 INTERFACE SQLite::SQLite3)

  find_package(GTest REQUIRED)
  add_library(lexiton::gtest INTERFACE IMPORTED)
  target_link_libraries(lexiton::gtest INTERFACE GTest::gtest_main)
  add_library(lexiton::gmock INTERFACE IMPORTED)
  target_link_libraries(lexiton::gmock INTERFACE GTest::gmock)

  find_package(Threads REQUIRED)
  if(LEXITON_BENCH)
    find_package(benchmark REQUIRED)
  endif()
endif()
