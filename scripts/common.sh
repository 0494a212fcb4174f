# Shared by the scripts in this folder (sourced, never run).
# Paths, messages and the configure/build steps of the four build trees.

KV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KV_BUILD="$KV_ROOT/build"
KV_DEPS="$KV_BUILD/deps"
# Two cores on CI and on the developers' machines, shared with other builds.
KV_JOBS=${KV_JOBS:-2}

kv_say() { printf '\n==> %s\n' "$*"; }
kv_die() { printf '\nERROR: %s\n' "$*" >&2; exit 1; }

# Runs "$@"; on failure stops the script with the step's name.
kv_step() {
  local name=$1; shift
  kv_say "$name"
  "$@" || kv_die "$name failed (exit $?)"
}

kv_need_root() {
  [ "$(id -u)" = 0 ] || kv_die "$1 installs packages and must run as root"
}

# kv_configure DIR [cmake options...]: always re-run, so that new test and
# benchmark folders are picked up; quick when the cache exists.
kv_configure() {
  local dir=$1; shift
  mkdir -p "$dir" || return
  cmake -S "$KV_ROOT" -B "$dir" -G Ninja -Wno-dev "$@" >"$dir/kv-configure.log" 2>&1 || {
    cat "$dir/kv-configure.log" >&2
    return 1
  }
}

kv_build() {
  local dir=$1; shift
  cmake --build "$dir" -j "$KV_JOBS" "$@"
}

# The builds scripts/test makes treat warnings as errors (KV_WERROR); the
# presets in CMakePresets.json configure the same trees.
kv_configure_native() {
  kv_configure "$KV_BUILD/native" -DCMAKE_BUILD_TYPE=Release \
    -DKV_BUILD_TESTS=ON -DKV_BUILD_BENCH=ON -DKV_BUILD_FUZZ=OFF -DKV_WERROR=ON "$@"
}

# kv_configure_win 64|32 [cmake options...]
kv_configure_win() {
  local bits=$1 toolchain
  shift
  case $bits in
    64) toolchain=mingw-w64-x86_64.cmake ;;
    32) toolchain=mingw-w64-i686.cmake ;;
    *) kv_die "kv_configure_win: 64 or 32, not '$bits'" ;;
  esac
  kv_configure "$KV_BUILD/win$bits" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$KV_ROOT/cmake/$toolchain" \
    -DKV_JPEG_PREFIX="$KV_DEPS/libjpeg-win$bits" \
    -DKV_BUILD_TESTS=ON -DKV_BUILD_BENCH=ON -DKV_WERROR=ON "$@"
}

# Instrumented with ASan, UBSan and libFuzzer; -O1 without NDEBUG so that
# assertions stay armed while fuzzing.
kv_configure_fuzz() {
  CC=clang CXX=clang++ kv_configure "$KV_BUILD/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g" -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g" \
    -DKV_BUILD_FUZZ=ON -DKV_BUILD_TESTS=ON -DKV_BUILD_BENCH=OFF -DKV_WERROR=ON "$@"
}

# Names (file names without .cpp) of the sources matching a glob under the repo.
kv_source_names() {
  local f
  for f in "$KV_ROOT"/$1; do
    [ -f "$f" ] || continue
    f=${f##*/}
    printf '%s\n' "${f%.cpp}"
  done
}
