// The memory layout of the objects the host hands to its libraries (and they hand back).
// Host, client library, painter and companion DLLs are built from this one tree with one
// compiler, so these structs are the whole contract: plain data, no C++ runtime types, and
// storage always owned by the side that allocated it. The caller reserves; the callee writes
// within the reserved capacity and never reallocates, so no block crosses heaps.
#pragma once

#include <stdint.h>

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

#ifdef __cplusplus
}
#endif
