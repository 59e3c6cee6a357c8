# Sourced by the wine benchmarks, from the top of the tree: a Release mingw tree of their own
# (x86_64 unless LEXITON_WINE_ARCH=i686), with the native build-time tools it imports built
# first when they are missing.
#   release_tree TARGET...   sets `tree` (build/win64-release or build/win32-release) and
#                            builds the targets there
release_tree() {
  local toolchain
  case ${LEXITON_WINE_ARCH:-x86_64} in
    i686) toolchain=mingw32 tree=build/win32-release ;;
    *) toolchain=mingw64 tree=build/win64-release ;;
  esac
  if [ ! -f build/native/LexitonHostTools.cmake ]; then
    cmake -S . -B build/native -G Ninja -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build build/native --target logo_art host_art dictc aboutc lexc -j "$(nproc)"
  fi
  cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/toolchain-$toolchain.cmake" \
    -DLEXITON_NATIVE_BIN="$PWD/build/native/bin" >/dev/null
  cmake --build "$tree" --target "$@" -j "$(nproc)"
}
