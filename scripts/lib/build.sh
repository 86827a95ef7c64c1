# Configures and builds the two trees. The build folders default to build/native and
# build/windows; set MIPRO_BUILD_PREFIX (e.g. build/alice-) to build into folders of your own.

MIPRO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
MIPRO_BUILD_PREFIX="${MIPRO_BUILD_PREFIX:-build/}"
MIPRO_NATIVE_DIR="$MIPRO_ROOT/${MIPRO_BUILD_PREFIX}native"
MIPRO_WINDOWS_DIR="$MIPRO_ROOT/${MIPRO_BUILD_PREFIX}windows"
MIPRO_JOBS="${MIPRO_JOBS:-2}"

mipro_build_native() {
    cmake -S "$MIPRO_ROOT" -B "$MIPRO_NATIVE_DIR" -DCMAKE_BUILD_TYPE=Release
    cmake --build "$MIPRO_NATIVE_DIR" -j"$MIPRO_JOBS"
}

mipro_build_windows() {
    cmake -S "$MIPRO_ROOT" -B "$MIPRO_WINDOWS_DIR" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$MIPRO_ROOT/cmake/mingw-w64-x86_64.cmake"
    cmake --build "$MIPRO_WINDOWS_DIR" -j"$MIPRO_JOBS"
}
