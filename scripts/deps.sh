#!/usr/bin/env bash
# Idempotent set-up of everything the builds and tests need: Debian packages (the lists in
# scripts/packages/), the Hungarian locale, 32-bit wine where this machine can run it, and the
# static mingw libraries that Debian does not ship (Crypto++, libcurl, GoogleTest), cross-built
# from Debian's source packages into a cache outside the work tree. A warm run only checks
# stamps and takes seconds.
#
# A package mirror may be in mid-sync for hours: one index then fails to download on every
# try. Set-up retries, says on one line what it could not update or install, and goes on with
# what it has; it stops only when something the builds cannot do without is missing.
#
# Environment: LEXITON_CACHE (the cache folder, default /var/cache/lexiton),
# LEXITON_APT_PAUSE (seconds between whole tries of apt-get update, default 20),
# LEXITON_EXEC32 (yes or no: whether this machine executes 32-bit code, when known better than
# the probe below; the set-up tests use it).
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
cache=${LEXITON_CACHE:-/var/cache/lexiton}
pause=${LEXITON_APT_PAUSE:-20}

# Messages go to standard error: functions whose output is captured log too.
log() { printf 'deps: %s\n' "$*" >&2; }

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

updated_stamp=$cache/.apt-updated

# apt-get update, whole tries with a pause between them on top of apt's own retries of each
# download. An index that still fails is named on one line, and set-up goes on with the lists
# apt has. The stamp that lets later runs skip the update for twelve hours is written only after
# an update in which every index came down, so one bad hour does not stick.
apt_update() {
  if [ -e "$updated_stamp" ] && [ -z "$(find "$updated_stamp" -mmin +720)" ]; then
    return 0
  fi
  local try out="$cache/apt-update.log" failed=""
  for try in 1 2 3; do
    [ "$try" -gt 1 ] && sleep "$pause"
    if as_root apt-get -q -o Acquire::Retries=3 update >"$out" 2>&1 \
        && ! grep -qE '^[EW]: (Failed to fetch|Some index files failed)' "$out"; then
      touch "$updated_stamp"
      return 0
    fi
    failed=$(sed -n -E 's/^[EW]: Failed to fetch ([^ ]+) +(.*)$/\1: \2/p' "$out")
  done
  if [ -n "$failed" ]; then
    while IFS= read -r line; do
      log "index not updated, going on with the lists apt has: $line"
    done <<<"$failed"
  else
    log "apt-get update failed, going on with the lists apt has: $(grep -m1 '^E: ' "$out" || tail -n 1 "$out")"
  fi
}

# Why an apt-get install failed, on one line: its first error and the first unmet dependency.
apt_reason() {
  local first unmet
  first=$(sed -n 's/^E: //p' "$1" | head -n 1)
  unmet=$(grep -m1 -E ' : (Pre)?Depends: ' "$1" | sed -E 's/^ +//; s/ +/ /g' || true)
  printf '%s%s' "${first:-apt-get install failed}" "${unmet:+ ($unmet)}"
}

apt_install() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
    -o Acquire::Retries=3 "$@" >"$cache/apt-install.log" 2>&1
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

install_packages() {
  local wanted=() missing=() p
  mapfile -t wanted < <(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$here"/packages/*.txt | sort -u)
  for p in "${wanted[@]}"; do
    installed "$p" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  log "installing ${missing[*]}"
  apt_update
  if ! apt_install "${missing[@]}"; then
    # A package file can fail in mid-sync as an index does: fresh lists, one more try.
    rm -f "$updated_stamp"
    apt_update
    if ! apt_install "${missing[@]}"; then
      log "could not install the packages the builds need: $(apt_reason "$cache/apt-install.log")"
      log "apt's output: $cache/apt-install.log"
      exit 1
    fi
  fi
}

# Whether the kernel executes 32-bit x86 programs, asked by running the smallest one there is:
# an ELF header, one program header and the exit system call. Some machines refuse every
# 32-bit program ("Exec format error"), 32-bit wine included.
can_execute_32bit() {
  case ${LEXITON_EXEC32:-} in
    yes) return 0 ;;
    no) return 1 ;;
  esac
  local probe rc=0
  probe=$(mktemp)
  printf '\177ELF\1\1\1\0\0\0\0\0\0\0\0\0\2\0\3\0\1\0\0\0\124\200\4\10\64\0\0\0\0\0\0\0\0\0\0\0\64\0\40\0\1\0\0\0\0\0\0\0' >"$probe"
  printf '\1\0\0\0\0\0\0\0\0\200\4\10\0\200\4\10\135\0\0\0\135\0\0\0\5\0\0\0\0\20\0\0' >>"$probe"
  printf '\270\1\0\0\0\61\333\315\200' >>"$probe"
  chmod +x "$probe"
  "$probe" 2>/dev/null || rc=$?
  rm -f "$probe"
  return "$rc"
}

# 32-bit wine is optional: without it the wine tests run in the x86_64 tree only (the harness
# decides by starting the 32-bit loader). It needs the i386 lists, which are the ones a mirror in
# mid-sync tends to break, so it is installed apart from everything else.
install_wine32() {
  installed wine32:i386 && return 0
  if ! can_execute_32bit; then
    log "32-bit wine not installed: this machine cannot execute 32-bit code"
    return 0
  fi
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
    rm -f "$updated_stamp"
  fi
  apt_update
  if ! apt_install wine32:i386; then
    log "32-bit wine not installed: $(apt_reason "$cache/apt-install.log")"
  fi
}

# The Hungarian host tests run wine in a Central European code page (LC_ALL=hu_HU.UTF-8).
install_locale() {
  locale -a 2>/dev/null | grep -qix 'hu_HU.utf8' && return 0
  log "generating the hu_HU.UTF-8 locale"
  if [ -e /etc/locale.gen ] && grep -q '^# *hu_HU.UTF-8 UTF-8' /etc/locale.gen; then
    as_root sed -i 's/^# *\(hu_HU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^hu_HU.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null; then
    echo 'hu_HU.UTF-8 UTF-8' | as_root tee -a /etc/locale.gen >/dev/null
  fi
  as_root locale-gen >"$cache/locale-gen.log" 2>&1 || { log "locale-gen failed (see $cache/locale-gen.log)"; exit 1; }
}

# deb-src entries for the archives apt already uses, the security archive included (the
# installed libcurl may be a security update), so `apt-get source` finds Debian's sources.
enable_sources() {
  local src=/etc/apt/sources.list.d/lexiton-src.sources want main=/etc/apt/sources.list.d/debian.sources
  if [ -e "$main" ]; then
    want=$(awk 'BEGIN{RS=""; ORS="\n\n"} /Types:[^\n]*deb/ {sub(/Types:[^\n]*/, "Types: deb-src"); print}' "$main")
  else
    src=/etc/apt/sources.list.d/lexiton-src.list
    want=$(grep -E '^deb ' /etc/apt/sources.list | sed 's/^deb /deb-src /')
  fi
  [ -e "$src" ] && [ "$(cat "$src")" = "$want" ] && return 0
  printf '%s\n' "$want" | as_root tee "$src" >/dev/null
  rm -f "$updated_stamp"
  apt_update
}

# Unpacks Debian's source package PKG at VERSION (exactly that version) into a folder of its own
# under $cache/src, with apt-get's log beside it, and prints the source tree's path. A tree of
# another version is never reused.
fetch_source() {
  local pkg=$1 version=$2 dir tree
  dir="$cache/src/$pkg-$(safe "$version")"
  tree=$(find "$dir" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n 1)
  if [ -z "$tree" ]; then
    enable_sources
    rm -rf "$dir" && mkdir -p "$dir"
    if ! (cd "$dir" && apt-get source "$pkg=$version") >"$dir.log" 2>&1; then
      # The source index may be older than the installed package: fresh lists, one more try.
      rm -f "$updated_stamp"
      apt_update
      rm -rf "$dir" && mkdir -p "$dir"
      (cd "$dir" && apt-get source "$pkg=$version") >"$dir.log" 2>&1 || true
    fi
    tree=$(find "$dir" -mindepth 1 -maxdepth 1 -type d 2>/dev/null | head -n 1)
  fi
  [ -n "$tree" ] || { log "could not unpack the source of $pkg $version (see $dir.log)"; exit 1; }
  printf '%s\n' "$tree"
}

# A version as part of a file name.
safe() { printf '%s' "$1" | sed 's/[^A-Za-z0-9.+~-]/_/g'; }

# The version of the source package an installed binary package was built from.
source_version_of() { dpkg-query -W -f='${source:Version}' "$1" 2>/dev/null; }

# The target of the cross builds below; `for_target` sets these for each architecture in turn.
triplet= prefix= toolchain=
for_target() {
  triplet=$1
  prefix="$cache/$2"
  toolchain="$here/../cmake/toolchain-$2.cmake"
}

# The build recipe's name is part of each library's stamp, so a change to a recipe below
# rebuilds the cache.
recipe=r1

# The defines Crypto++ is built with; users must compile with exactly these (cmake/Deps.cmake).
cryptopp_defines="-DNDEBUG -DCRYPTOPP_DISABLE_ASM"

build_cryptopp() {
  local version=$1 stamp src
  stamp="$prefix/.cryptopp-$(safe "$version")-$recipe"
  [ -e "$stamp" ] && return 0
  src=$(fetch_source libcrypto++ "$version")
  log "cross-building Crypto++ $version for $triplet (a few minutes)"
  make -C "$src" -f GNUmakefile-cross clean >/dev/null 2>&1 || true
  make -C "$src" -f GNUmakefile-cross CXX="$triplet-g++-posix" AR="$triplet-ar" \
    RANLIB="$triplet-ranlib" CXXFLAGS="-O2 $cryptopp_defines" static -j"$(nproc)" \
    >"$cache/cryptopp-build.log" 2>&1
  mkdir -p "$prefix/lib" "$prefix/include/cryptopp"
  cp "$src/libcryptopp.a" "$prefix/lib/"
  cp "$src"/*.h "$prefix/include/cryptopp/"
  touch "$stamp"
}

build_curl() {
  local version=$1 stamp src b
  stamp="$prefix/.curl-$(safe "$version")-$recipe"
  [ -e "$stamp" ] && return 0
  src=$(fetch_source curl "$version")
  b="$cache/build-curl"
  log "cross-building libcurl $version for $triplet"
  rm -rf "$b"
  cmake -S "$src" -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DCURL_USE_SCHANNEL=ON \
    -DCURL_USE_OPENSSL=OFF -DCURL_USE_LIBSSH2=OFF -DUSE_LIBIDN2=OFF -DCURL_ZLIB=OFF \
    -DCURL_BROTLI=OFF -DCURL_ZSTD=OFF -DUSE_NGHTTP2=OFF -DCURL_USE_LIBPSL=OFF \
    -DBUILD_CURL_EXE=OFF -DBUILD_TESTING=OFF -DCURL_DISABLE_LDAP=ON -DENABLE_MANUAL=OFF \
    >"$cache/curl-build.log" 2>&1
  cmake --build "$b" -j"$(nproc)" >>"$cache/curl-build.log" 2>&1
  cmake --install "$b" >>"$cache/curl-build.log" 2>&1
  rm -rf "$b"
  touch "$stamp"
}

build_gtest() {
  local version=$1 stamp b="$cache/build-gtest"
  stamp="$prefix/.googletest-$(safe "$version")-$recipe"
  [ -e "$stamp" ] && return 0
  log "cross-building GoogleTest $version for $triplet"
  rm -rf "$b"
  cmake -S /usr/src/googletest -B "$b" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -Dgtest_disable_pthreads=OFF >"$cache/gtest-build.log" 2>&1
  cmake --build "$b" -j"$(nproc)" >>"$cache/gtest-build.log" 2>&1
  cmake --install "$b" >>"$cache/gtest-build.log" 2>&1
  rm -rf "$b"
  touch "$stamp"
}

main() {
  # The cache lives under /var/cache: create it as root and hand it to the user who runs set-up.
  if [ ! -d "$cache" ]; then
    as_root mkdir -p "$cache"
    as_root chown "$(id -u):$(id -g)" "$cache"
  fi
  # One set-up at a time: builds in several work trees may call this together.
  exec 9>"$cache/.lock"
  flock 9

  install_packages
  install_wine32
  install_locale
  # The cross builds follow the versions of the native packages, so every toolchain uses one
  # release.
  local target extra
  for target in "i686-w64-mingw32 mingw32" "x86_64-w64-mingw32 mingw64"; do
    # shellcheck disable=SC2086
    for_target $target
    build_cryptopp "$(source_version_of libcrypto++-dev)"
    build_curl "$(source_version_of libcurl4-openssl-dev)"
    build_gtest "$(source_version_of googletest)"
    for extra in "$here"/deps.d/*.sh; do
      [ -e "$extra" ] && . "$extra"
    done
  done
  [ -t 1 ] && log "ready (cache $cache)"
  true
}

# Sourced by the set-up's own tests, which call the steps one by one.
[ "${BASH_SOURCE[0]}" = "$0" ] && main
true
