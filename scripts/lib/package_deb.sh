# The Linux release: dist/mipro_<version>_amd64.deb of the Linux edition (GTK 3, X11), with its
# desktop entry and icon, the licence, the guide and the practice board's web page.
# Needs build.sh and release.sh, and a built native tree.

MIPRO_DEB_ICON_SIZE=32x32
# The icon's frame of that size in resources/mipro.ico.
MIPRO_DEB_ICON_FRAME=0
# A placeholder address until the project has one of its own; Debian asks for a name and an address.
MIPRO_DEB_MAINTAINER="The mipro developers <mipro@example.org>"
# The manual page and the AppStream description (its id names the metainfo file).
MIPRO_DEB_FILES="$MIPRO_ROOT/packaging/linux"
MIPRO_APPSTREAM_ID=org.example.mipro

mipro_deb_name() {
    echo "mipro_$(mipro_version)_$(dpkg --print-architecture).deb"
}

mipro_desktop_entry() {
    cat <<'ENTRY'
[Desktop Entry]
Type=Application
Name=ミプロ♪
Comment=お絵描き掲示板に自動で絵を描きます
Exec=mipro
Icon=mipro
Terminal=false
Categories=Graphics;
Keywords=oekaki;PaintBBS;drawing;
ENTRY
}

# The machine-readable copyright file: the program under MIT, with stb_image compiled in (zlib is
# a shared library of its own package).
mipro_deb_copyright() {
    cat <<'HEAD'
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: mipro

Files: *
Copyright: 2026 The mipro developers
License: Expat

Files: stb_image.h
Copyright: 2017 Sean Barrett
License: Expat or public-domain
Comment: stb_image, the JPEG decoder compiled into /usr/bin/mipro, from Debian's libstb-dev.

License: Expat
HEAD
    # Continuation lines of a field start with a space; an empty line is a space and a dot.
    sed -n '/^Permission is hereby granted/,$p' "$MIPRO_ROOT/LICENSE" | sed 's/^$/./; s/^/ /'
    echo
    echo "License: public-domain"
    mipro_stb_licence | sed -n '/ALTERNATIVE B/,/WITH THE SOFTWARE/p' | sed '1d; s/^$/./; s/^/ /'
}

# A package built outside Debian's tools still carries a changelog in Debian's format.
mipro_deb_changelog() {
    cat <<CHANGELOG
mipro ($(mipro_version)) unstable; urgency=medium

  * Release $(mipro_version).

 -- $MIPRO_DEB_MAINTAINER  Thu, 01 Jan 2026 00:00:00 +0000
CHANGELOG
}

# The package's own checks of what it installs: the desktop entry and the AppStream file. ROOT: the
# staged tree.
mipro_check_deb_files() {
    local root="$1"
    desktop-file-validate "$root/usr/share/applications/mipro.desktop"
    appstreamcli validate --no-net "$root/usr/share/metainfo/$MIPRO_APPSTREAM_ID.metainfo.xml" >/dev/null
}

mipro_stage_deb() {
    local root="$1"
    install -D -m 0755 -s "$MIPRO_NATIVE_DIR/editions/linux/mipro" "$root/usr/bin/mipro"
    mipro_desktop_entry | install -D -m 0644 /dev/stdin "$root/usr/share/applications/mipro.desktop"
    install -D -m 0644 "$MIPRO_DEB_FILES/mipro.metainfo.xml" \
        "$root/usr/share/metainfo/$MIPRO_APPSTREAM_ID.metainfo.xml"
    mkdir -p "$root/usr/share/man/man1"
    gzip -9n <"$MIPRO_DEB_FILES/mipro.1" >"$root/usr/share/man/man1/mipro.1.gz"
    mkdir -p "$root/usr/share/icons/hicolor/$MIPRO_DEB_ICON_SIZE/apps"
    convert "$MIPRO_ROOT/resources/mipro.ico[$MIPRO_DEB_ICON_FRAME]" -strip \
        "$root/usr/share/icons/hicolor/$MIPRO_DEB_ICON_SIZE/apps/mipro.png"
    mipro_deb_copyright | install -D -m 0644 /dev/stdin "$root/usr/share/doc/mipro/copyright"
    mipro_deb_changelog | gzip -9n >"$root/usr/share/doc/mipro/changelog.gz"
    mipro_copy_guide "$root/usr/share/doc/mipro/guide"
    install -D -m 0644 -t "$root/usr/share/mipro/board/web" "$MIPRO_ROOT"/board/web/index.html \
        "$MIPRO_ROOT"/board/web/practice_board.js
    chmod -R u=rwX,go=rX "$root"
}

# The shared-library packages the program needs, as dpkg-shlibdeps finds them. It wants a
# debian/control, so it runs in a folder of its own. The sort the program starts is in
# coreutils, which is Essential: every Debian system has it, so it is not listed.
mipro_deb_depends() {
    local binary="$1" work
    work="$(mktemp -d /tmp/mipro-shlibdeps.XXXXXX)"
    mkdir "$work/debian"
    printf 'Source: mipro\n\nPackage: mipro\nArchitecture: any\n' >"$work/debian/control"
    (cd "$work" && dpkg-shlibdeps -O "$binary") | sed -n 's/^shlibs:Depends=//p'
    rm -rf "$work"
}

mipro_deb_control() {
    local root="$1"
    cat <<CONTROL
Package: mipro
Version: $(mipro_version)
Architecture: $(dpkg --print-architecture)
Maintainer: $MIPRO_DEB_MAINTAINER
Installed-Size: $(du -sk --exclude=DEBIAN "$root" | cut -f1)
Depends: $(mipro_deb_depends "$root/usr/bin/mipro")
Recommends: fonts-ipafont-gothic | fonts-noto-cjk
Section: graphics
Priority: optional
Description: redraws a picture on an on-line drawing board (oekakiBBS, PaintBBS)
 ミプロ♪ draws a picture pixel by pixel inside an oekakiBBS or PaintBBS drawing
 board shown in a browser, by moving and clicking the mouse. A seven-step
 wizard with a Japanese interface leads the user. X11 only.
CONTROL
}

# DIST: the folder the package is written to.
mipro_package_deb() {
    local dist="$1" root
    root="$(mktemp -d /tmp/mipro-deb.XXXXXX)"
    mipro_stage_deb "$root"
    mipro_check_deb_files "$root"
    mkdir -p "$root/DEBIAN"
    mipro_deb_control "$root" >"$root/DEBIAN/control"
    chmod 0755 "$root" "$root/DEBIAN"
    dpkg-deb --build --root-owner-group "$root" "$dist/$(mipro_deb_name)" >/dev/null
    rm -rf "$root"
    echo "Linux package:   $dist/$(mipro_deb_name)"
}
