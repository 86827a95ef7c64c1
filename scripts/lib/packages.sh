# Installs the Debian packages the build and the tests need, only those still missing.
# Sourced by scripts/test, scripts/demo, scripts/package and scripts/screenshots.

MIPRO_PACKAGES=(
    cmake make g++ googletest libgtest-dev libstb-dev zlib1g-dev
    g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
    wine64 wine xvfb xauth fonts-ipafont-gothic imagemagick xdotool
    python3 chromium procps
    pkg-config libgtk-3-dev libx11-dev libxtst-dev libxext-dev libpulse-dev
    zip unzip dpkg-dev python3-markdown lintian desktop-file-utils appstream
    openbox xfwm4 xfconf dbus x11-utils x11-xserver-utils
)

mipro_missing_packages() {
    local pkg
    for pkg in "${MIPRO_PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
            echo "$pkg"
        fi
    done
}

mipro_install_packages() {
    local missing
    mapfile -t missing < <(mipro_missing_packages)
    if ((${#missing[@]} == 0)); then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [[ $(id -u) -ne 0 ]]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}
