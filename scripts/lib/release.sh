# What both release packages share: the version, the user guide as Markdown and HTML with its
# pictures, the licence, and the notices of what the programs compile in. Needs build.sh first.

MIPRO_GUIDE_DIR="$MIPRO_ROOT/docs/guide/ja"
MIPRO_STB_HEADER=/usr/include/stb/stb_image.h
# The Debian copyright files of the MinGW-w64 runtime (its CRT and winpthreads) and of GCC's
# runtime (libgcc, libstdc++), both linked statically into the Windows programs.
MIPRO_MINGW_RUNTIME_COPYRIGHT=/usr/share/doc/mingw-w64-x86-64-dev/copyright
MIPRO_ZLIB_MINGW_COPYRIGHT=/usr/share/doc/libz-mingw-w64-dev/copyright
MIPRO_GCC_RUNTIME_COPYRIGHT=/usr/share/doc/gcc-mingw-w64-base/copyright

# The version CMake's project() states, the only place it is written down.
mipro_version() {
    sed -n 's/^project(mipro VERSION \([0-9][0-9.]*\).*/\1/p' "$MIPRO_ROOT/CMakeLists.txt"
}

# The guide into DEST: README.md, README.html and images/. Debian's python3 is named on purpose:
# it is the one that sees python3-markdown.
mipro_copy_guide() {
    local dest="$1"
    mkdir -p "$dest/images"
    cp "$MIPRO_GUIDE_DIR/README.md" "$dest/README.md"
    cp "$MIPRO_GUIDE_DIR"/images/*.png "$dest/images/"
    /usr/bin/python3 "$MIPRO_ROOT/scripts/lib/guide_html.py" "$dest/README.md" "$dest/README.html"
}

# stb_image's licence: the block at the header's end, from its "2 licenses" line on.
mipro_stb_licence() {
    sed -n '/This software is available under 2 licenses/,$p' "$MIPRO_STB_HEADER" | sed '/^\*\/$/d'
}

mipro_notice_section() {
    local title="$1"
    printf '\n%s\n%s\n\n' "==============================================================================" "$title"
}

# The notices for the Windows programs: stb_image (the JPEG decoder, compiled into mipro.exe),
# zlib (which inflates PNG data in mipro.exe) and the MinGW-w64 and GCC runtimes that the static link puts into both programs.
mipro_windows_notices() {
    echo "Third-party software in mipro.exe and practice-board.exe"
    mipro_notice_section "stb_image (the JPEG decoder in mipro.exe), from Debian's libstb-dev"
    mipro_stb_licence
    mipro_notice_section "zlib (inflates PNG data in mipro.exe), linked statically: Debian's copyright file"
    cat "$MIPRO_ZLIB_MINGW_COPYRIGHT"
    mipro_notice_section "MinGW-w64 runtime (CRT, winpthreads), linked statically: Debian's copyright file"
    cat "$MIPRO_MINGW_RUNTIME_COPYRIGHT"
    mipro_notice_section "GCC runtime (libgcc, libstdc++), linked statically: Debian's copyright file"
    cat "$MIPRO_GCC_RUNTIME_COPYRIGHT"
}
