# The Windows release: dist/mipro-<version>-windows-x64.zip, one folder mipro-<version>/ holding
# the two programs, the practice board's web page, the guide, the licence and the notices.
# Needs build.sh and release.sh, and a built Windows tree.

MIPRO_MINGW_STRIP=x86_64-w64-mingw32-strip
MIPRO_MINGW_OBJDUMP=x86_64-w64-mingw32-objdump
# The DLLs every Windows has: the only ones the programs may import.
MIPRO_SYSTEM_DLLS="KERNEL32.dll USER32.dll GDI32.dll COMDLG32.dll SHELL32.dll WINMM.dll VERSION.dll msvcrt.dll"

mipro_zip_name() {
    echo "mipro-$(mipro_version)-windows-x64.zip"
}

# The DLLs a program imports, one a line.
mipro_imported_dlls() {
    "$MIPRO_MINGW_OBJDUMP" -p "$1" | sed -n 's/^\tDLL Name: //p'
}

# Fails when a program imports a DLL that does not come with Windows.
mipro_require_system_dlls() {
    local exe="$1" dll
    for dll in $(mipro_imported_dlls "$exe"); do
        if [[ " ${MIPRO_SYSTEM_DLLS,,} " != *" ${dll,,} "* ]]; then
            echo "package: $(basename "$exe") imports $dll, which Windows does not have" >&2
            return 1
        fi
    done
}

mipro_stage_windows() {
    local stage="$1" program
    mkdir -p "$stage/board/web"
    for program in editions/win32/mipro.exe board/win32/practice-board.exe; do
        "$MIPRO_MINGW_STRIP" -o "$stage/$(basename "$program")" "$MIPRO_WINDOWS_DIR/$program"
        mipro_require_system_dlls "$stage/$(basename "$program")"
    done
    cp "$MIPRO_ROOT"/board/web/index.html "$MIPRO_ROOT"/board/web/practice_board.js "$stage/board/web/"
    mipro_copy_guide "$stage/guide"
    cp "$MIPRO_ROOT/LICENSE" "$stage/LICENSE.txt"
    mipro_windows_notices >"$stage/THIRD-PARTY-NOTICES.txt"
}

# DIST: the folder the zip is written to.
mipro_package_zip() {
    local dist="$1" work
    work="$(mktemp -d /tmp/mipro-zip.XXXXXX)"
    local top="mipro-$(mipro_version)"
    mipro_stage_windows "$work/$top"
    rm -f "$dist/$(mipro_zip_name)"
    (cd "$work" && zip -qrX "$dist/$(mipro_zip_name)" "$top")
    rm -rf "$work"
    echo "Windows package: $dist/$(mipro_zip_name)"
}
