// A library on the far side of the ABI: appends a chunk into the caller's reserved array and
// reads the caller's wide string, exactly as the look-up libraries do.
#include <lexiton/abi.h>
#include <lexiton/chunk_list.h>

extern "C" __declspec(dllexport) int __cdecl AppendChunk(LxByteArray* array, const char* tag,
                                                         const char* text, unsigned length) {
  try {
    lexiton::ReservedStore store(*array);
    lexiton::ChunkList list(store);
    return list.add(tag, text, length) ? 1 : 0;
  } catch (...) {
    return -1;
  }
}

extern "C" __declspec(dllexport) unsigned __cdecl WideLength(const LxWideString* text) {
  unsigned n = 0;
  while (n < text->length && text->data[n] != 0) ++n;
  return n;
}
