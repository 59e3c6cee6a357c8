// The memory layout of the objects the host hands to its libraries (and they hand back).
// Host, client library, painter and companion DLLs are built from this one tree with one
// compiler, so these structs are the whole contract: plain data, no C++ runtime types, and
// storage always owned by the side that allocated it. The caller reserves; the callee writes
// within the reserved capacity and never reallocates, so no block crosses heaps.
#pragma once

#include <stddef.h>
#include <stdint.h>

// The calling convention of every entry the libraries export and bind by name: the caller
// cleans up. It only means something to the 32-bit compiler; x86_64 has one convention.
#ifdef _WIN32
#define LX_CDECL __cdecl
#else
#define LX_CDECL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// A growable byte array owned by the caller. `capacity` bytes at `data` are writable; `size`
// of them are in use. A library that must append past `capacity` fails instead of growing.
typedef struct LxByteArray {
  uint8_t* data;
  uint32_t size;
  uint32_t capacity;
} LxByteArray;

// A UTF-16 string owned by the caller: `length` code units at `data`, no terminator needed.
typedef struct LxWideString {
  const uint16_t* data;
  uint32_t length;
} LxWideString;

// A read-only list of zero-terminated single-byte texts owned by the library that returns it.
typedef struct LxTextList {
  uint32_t count;
  const char* const* items;
} LxTextList;

// Bytes the host reserves for one look-up result, and for a local dictionary result.
#define LX_LOOKUP_RESULT_RESERVE 0xF00000u
#define LX_LOCAL_RESULT_RESERVE 0x9000u

// The width of one word of a plain list ("HVR2", "QX2L"): the words are pointers and handles of
// the process that made the list, so they are as wide as its pointers. The shipped 32-bit
// deliverables write 4-byte words; a 64-bit build writes 8-byte words.
#define LX_PLAIN_LIST_WORD_SIZE sizeof(void*)

#ifdef __cplusplus
}
#endif

// These structs only ever travel between modules of one process, so their layout follows the
// pointer size. Both layouts are fixed here, so a member added or reordered breaks the build of
// either architecture rather than a library built at another time.
#ifdef __cplusplus
#define LX_ABI_ASSERT(condition, what) static_assert(condition, what)
#else
#define LX_ABI_ASSERT(condition, what) _Static_assert(condition, what)
#endif
#if UINTPTR_MAX == 0xFFFFFFFFu
LX_ABI_ASSERT(sizeof(LxByteArray) == 12 && offsetof(LxByteArray, size) == 4 &&
                  offsetof(LxByteArray, capacity) == 8,
              "LxByteArray: 32-bit layout");
LX_ABI_ASSERT(sizeof(LxWideString) == 8 && offsetof(LxWideString, length) == 4,
              "LxWideString: 32-bit layout");
LX_ABI_ASSERT(sizeof(LxTextList) == 8 && offsetof(LxTextList, items) == 4, "LxTextList: 32-bit layout");
#else
LX_ABI_ASSERT(sizeof(LxByteArray) == 16 && offsetof(LxByteArray, size) == 8 &&
                  offsetof(LxByteArray, capacity) == 12,
              "LxByteArray: 64-bit layout");
LX_ABI_ASSERT(sizeof(LxWideString) == 16 && offsetof(LxWideString, length) == 8,
              "LxWideString: 64-bit layout");
LX_ABI_ASSERT(sizeof(LxTextList) == 16 && offsetof(LxTextList, items) == 8, "LxTextList: 64-bit layout");
#endif
#undef LX_ABI_ASSERT
