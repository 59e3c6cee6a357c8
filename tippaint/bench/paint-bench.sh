#!/usr/bin/env bash
# TipPaint against the platform's rich-edit control under wine, Release build: builds the
# native build-time tools if they are missing, a Release mingw tree of its own (x86_64 unless
# LEXITON_WINE_ARCH=i686 and this machine runs 32-bit code), and runs tippaint_paint_bench in
# a private wine session on Xvfb. Extra arguments go to the benchmark (--runs N, --no-profile).
#
#   tippaint/bench/paint-bench.sh [--runs N]
set -eu
cd "$(dirname "$0")/../.."
. scripts/wine-session.sh
arch=${LEXITON_WINE_ARCH:-x86_64}
case $arch in
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
cmake --build "$tree" --target tippaint_paint_bench -j "$(nproc)"
wine_session_start "$PWD/$tree"
cd "$tree/bin"
"$WINELOADER" tippaint_paint_bench.exe "$@" </dev/null
