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
. scripts/release-tree.sh
release_tree tippaint_paint_bench
wine_session_start "$PWD/$tree"
cd "$tree/bin"
"$WINELOADER" tippaint_paint_bench.exe "$@" </dev/null
