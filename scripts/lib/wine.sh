# Prepares the Wine prefix the Windows programs run in and stops its wineserver at the end.
# WINEPREFIX is kept when set; otherwise $HOME/.wine-mipro is used. The first start creates
# the prefix (wineboot -i) without the Mono and Gecko install dialogs.
#
# Adding a Windows test: write tests/windows/<name>_test.cpp (GoogleTest; it is a real Windows
# program) and add one line to tests/windows/CMakeLists.txt:
#     mipro_windows_test(<name>_test <name>_test.cpp)
# The test links gtest_main and, if it needs it, mipro_win32 (the Win32 platform layer). Tests
# that start mipro.exe find it through the MIPRO_EXE define (see main_window_test.cpp).
# ctest runs each test program under Wine through scripts/wine-run on the Xvfb display.

mipro_prepare_wine() {
    export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-mipro}"
    export WINEDEBUG=-all
    export WINEARCH=win64
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
        wineserver -w
    fi
    if [[ ! -f "$WINEPREFIX/.mipro-configured" ]]; then
        mipro_configure_wine
        touch "$WINEPREFIX/.mipro-configured"
    fi
    # Wine has no sort.exe: the tests' stand-in (built with the Windows tree) takes its place.
    local sort_fixture="${MIPRO_WINDOWS_DIR:-}/tests/windows/fixtures/sort.exe"
    if [[ -f "$sort_fixture" ]]; then
        cp "$sort_fixture" "$WINEPREFIX/drive_c/windows/system32/sort.exe"
    fi
}

# Xvfb has no window manager, so Wine draws the title bars and frames itself; the title bar's
# font gets the Japanese glyphs from the IPA font through a font link.
mipro_configure_wine() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    local link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
    local face
    for face in Tahoma "MS Shell Dlg" "Microsoft Sans Serif"; do
        wine reg add "$link" /v "$face" /t REG_MULTI_SZ /d 'ipagp.ttf,IPAPGothic' /f >/dev/null 2>&1 || true
    done
    wineserver -w
}

mipro_stop_wine() {
    if [[ -n "${WINEPREFIX:-}" ]]; then
        wineserver -k 2>/dev/null || true
    fi
}
