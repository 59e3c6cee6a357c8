# Sourced by scripts/deps.sh. SQLite for the mingw trees, from Debian's source package of the
# native library's release. Debian ships the full source tree: its single-file amalgamation is
# generated once with the native compiler and tclsh, then compiled for each architecture.
build_sqlite3() {
  local version=$1 stamp src amalgamation
  stamp="$prefix/.sqlite3-$(safe "$version")-$recipe"
  [ -e "$stamp" ] && return 0
  src=$(fetch_source sqlite3 "$version")
  amalgamation="$src/lexiton-amalgamation"
  if [ ! -e "$amalgamation/sqlite3.c" ]; then
    log "generating SQLite's amalgamation $version"
    rm -rf "$amalgamation" && mkdir -p "$amalgamation"
    (cd "$amalgamation" && ../configure --disable-tcl && make sqlite3.c) >"$cache/sqlite3-build.log" 2>&1
  fi
  log "cross-building SQLite $version for $triplet"
  local objects="$cache/build-sqlite3"
  rm -rf "$objects" && mkdir -p "$objects"
  # Serialized threading, as Debian's native library: the host writes from a worker thread.
  "$triplet-gcc-posix" -O2 -DSQLITE_THREADSAFE=1 -c "$amalgamation/sqlite3.c" -o "$objects/sqlite3.o" \
    >>"$cache/sqlite3-build.log" 2>&1
  mkdir -p "$prefix/lib" "$prefix/include"
  rm -f "$prefix/lib/libsqlite3.a"
  "$triplet-ar" rcs "$prefix/lib/libsqlite3.a" "$objects/sqlite3.o"
  cp "$amalgamation/sqlite3.h" "$amalgamation/sqlite3ext.h" "$prefix/include/"
  rm -rf "$objects"
  touch "$stamp"
}
build_sqlite3 "$(source_version_of libsqlite3-dev)"
