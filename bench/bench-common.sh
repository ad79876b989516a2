# Shared by the benchmark drivers: sourced, not run. Expects $root (the repository) and $build
# (the cross build tree) to be set.

ensure_rsync() {
  command -v rsync >/dev/null && return
  local sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  echo "bench: installing rsync"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq --no-install-recommends rsync \
    >/dev/null
}

# build_targets TARGET...: configures the cross tree if needed and builds the targets.
build_targets() {
  if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
  fi
  cmake --build "$build" --target "$@" -j"$(nproc)" >/dev/null
}

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
