# Configures and builds the two trees. The build folders default to build/native and
# build/windows; set MIPRO_BUILD_PREFIX (e.g. build/alice-) to build into folders of your own, or
# MIPRO_NATIVE_DIR and MIPRO_WINDOWS_DIR to name each folder outright (they win over the prefix).
# MIPRO_NO_BUILD=1 takes the trees as they are: the two functions below then build nothing.

MIPRO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
MIPRO_BUILD_PREFIX="${MIPRO_BUILD_PREFIX:-build/}"
MIPRO_NATIVE_DIR="${MIPRO_NATIVE_DIR:-$MIPRO_ROOT/${MIPRO_BUILD_PREFIX}native}"
MIPRO_WINDOWS_DIR="${MIPRO_WINDOWS_DIR:-$MIPRO_ROOT/${MIPRO_BUILD_PREFIX}windows}"
MIPRO_JOBS="${MIPRO_JOBS:-2}"

mipro_build_wanted() {
    [[ "${MIPRO_NO_BUILD:-0}" != 1 ]]
}

mipro_build_native() {
    mipro_build_wanted || return 0
    cmake -S "$MIPRO_ROOT" -B "$MIPRO_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$MIPRO_NATIVE_DIR" -j"$MIPRO_JOBS"
}

mipro_build_windows() {
    mipro_build_wanted || return 0
    cmake -S "$MIPRO_ROOT" -B "$MIPRO_WINDOWS_DIR" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$MIPRO_ROOT/cmake/mingw-w64-x86_64.cmake"
    cmake --build "$MIPRO_WINDOWS_DIR" -j"$MIPRO_JOBS"
}
