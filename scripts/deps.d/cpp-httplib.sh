# Sourced by scripts/deps.sh. The mingw tests need an HTTP server on loopback too; Debian ships
# cpp-httplib only as a native library, so its single header comes from the source package of
# the same release and is compiled into the mingw test support library.
build_cpp_httplib() {
  local stamp="$prefix/.cpp-httplib-$(safe "$1")-$recipe" src
  [ -e "$stamp" ] && return 0
  src=$(fetch_source cpp-httplib "$1")
  [ -e "$src/httplib.h" ] || { echo "deps: no httplib.h in $src" >&2; exit 1; }
  mkdir -p "$prefix/include"
  cp "$src/httplib.h" "$prefix/include/httplib.h"
  touch "$stamp"
}
build_cpp_httplib "$(source_version_of libcpp-httplib-dev)"
