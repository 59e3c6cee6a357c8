#!/usr/bin/env bash
# Idempotent set-up of everything the builds and tests need: Debian packages (the lists in
# scripts/packages/), and the static mingw libraries that Debian does not ship (Crypto++,
# libcurl, GoogleTest), cross-built from Debian's source packages into a cache outside the
# work tree. A warm run only checks stamps and takes seconds.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache=${LEXITON_CACHE:-/var/cache/lexiton}
mkdir -p "$cache"

# One set-up at a time: builds in several work trees may call this together.
exec 9>"$cache/.lock"
flock 9

log() { printf 'deps: %s\n' "$*"; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

install_packages() {
  local wanted=() missing=()
  mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$here"/packages/*.txt | sort -u)
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    rm -f "$cache/.apt-updated"
  fi
  for p in "${wanted[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  if [ ! -e "$cache/.apt-updated" ] || [ -n "$(find "$cache/.apt-updated" -mmin +720)" ]; then
    as_root apt-get update -qq
    touch "$cache/.apt-updated"
  fi
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# A deb-src entry for the archive apt already uses, so `apt-get source` finds Debian's sources.
enable_sources() {
  local src=/etc/apt/sources.list.d/lexiton-src.sources
  [ -e "$src" ] && return 0
  local main=/etc/apt/sources.list.d/debian.sources
  if [ -e "$main" ]; then
    awk 'BEGIN{RS=""; ORS="\n\n"} /Types:[^\n]*deb/ && !/security/ {sub(/Types:[^\n]*/, "Types: deb-src"); print}' "$main" | as_root tee "$src" >/dev/null
  else
    grep -E '^deb ' /etc/apt/sources.list | grep -v security | sed 's/^deb /deb-src /' | as_root tee /etc/apt/sources.list.d/lexiton-src.list >/dev/null
  fi
  as_root apt-get update -qq
  touch "$cache/.apt-updated"
}

# Unpacks a Debian source package into $cache/src and prints the folder.
fetch_source() {
  local pkg=$1 dir
  mkdir -p "$cache/src"
  dir=$(find "$cache/src" -maxdepth 1 -type d -name "$2-*" | head -n 1)
  if [ -z "$dir" ]; then
    enable_sources
    (cd "$cache/src" && apt-get source -qq "$pkg" >/dev/null 2>&1)
    dir=$(find "$cache/src" -maxdepth 1 -type d -name "$2-*" | head -n 1)
  fi
  [ -n "$dir" ] || { echo "deps: could not unpack the source of $pkg" >&2; exit 1; }
  printf '%s\n' "$dir"
}

# The target of the cross builds below; `for_target` sets these for each architecture in turn.
triplet= prefix= toolchain=
for_target() {
  triplet=$1
  prefix="$cache/$2"
  toolchain="$here/../cmake/toolchain-$2.cmake"
}

# The defines Crypto++ is built with; users must compile with exactly these (cmake/Deps.cmake).
cryptopp_defines="-DNDEBUG -DCRYPTOPP_DISABLE_ASM"

build_cryptopp() {
  local stamp="$prefix/.cryptopp-$1" src
  [ -e "$stamp" ] && return 0
  src=$(fetch_source libcrypto++ libcrypto++)
  log "cross-building Crypto++ $1 for $triplet (a few minutes)"
  make -C "$src" -f GNUmakefile-cross clean >/dev/null 2>&1 || true
  make -C "$src" -f GNUmakefile-cross CXX=$triplet-g++-posix AR=$triplet-ar \
    RANLIB=$triplet-ranlib CXXFLAGS="-O2 $cryptopp_defines" static -j"$(nproc)" >"$cache/cryptopp-build.log" 2>&1
  mkdir -p "$prefix/lib" "$prefix/include/cryptopp"
  cp "$src/libcryptopp.a" "$prefix/lib/"
  cp "$src"/*.h "$prefix/include/cryptopp/"
  touch "$stamp"
}

build_curl() {
  local stamp="$prefix/.curl-$1" src b
  [ -e "$stamp" ] && return 0
  src=$(fetch_source curl curl)
  b="$cache/build-curl"
  log "cross-building libcurl $1 for $triplet"
  rm -rf "$b"
  cmake -S "$src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DCURL_USE_SCHANNEL=ON \
    -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DCURL_ZLIB=OFF -DCURL_BROTLI=OFF \
    -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DCURL_USE_LIBPSL=OFF -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF \
    -DCURL_DISABLE_LDAP=ON -DENABLE_MANUAL=OFF >"$cache/curl-build.log" 2>&1
  cmake --build "$b" -j"$(nproc)" >>"$cache/curl-build.log" 2>&1
  cmake --install "$b" >>"$cache/curl-build.log" 2>&1
  rm -rf "$b"
  touch "$stamp"
}

build_gtest() {
  local stamp="$prefix/.googletest-$1" b="$cache/build-gtest"
  [ -e "$stamp" ] && return 0
  log "cross-building GoogleTest $1 for $triplet"
  rm -rf "$b"
  cmake -S /usr/src/googletest -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -Dgtest_disable_pthreads=OFF \
    >"$cache/gtest-build.log" 2>&1
  cmake --build "$b" -j"$(nproc)" >>"$cache/gtest-build.log" 2>&1
  cmake --install "$b" >>"$cache/gtest-build.log" 2>&1
  rm -rf "$b"
  touch "$stamp"
}

version_of() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null | sed 's/[^A-Za-z0-9.+~-]/_/g'; }

install_packages
# The cross builds follow the versions of the native packages, so every toolchain uses one release.
for target in "i686-w64-mingw32 mingw32" "x86_64-w64-mingw32 mingw64"; do
  # shellcheck disable=SC2086
  for_target $target
  build_cryptopp "$(version_of libcrypto++-dev)"
  build_curl "$(version_of libcurl4-openssl-dev)"
  build_gtest "$(version_of googletest)"
  for extra in "$here"/deps.d/*.sh; do
    [ -e "$extra" ] && . "$extra"
  done
done
[ -t 1 ] && log "ready (cache $cache)"; true
