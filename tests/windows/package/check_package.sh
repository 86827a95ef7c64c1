#!/usr/bin/env bash
# The release as a user gets it (ctest entry package_check): scripts/package writes both packages
# into a folder of their own; the zip and the .deb must list exactly the files below; the zip is
# unpacked into a folder whose path has blanks and Japanese letters, and mipro.exe started from
# there must open its main window and close (start_unpacked.exe), writing nothing beside itself.
# Debian's lintian must find no error in the .deb.
#   check_package.sh START_UNPACKED_EXE
# Runs on the display and Wine prefix ctest runs under; the environment names the trees.
set -euo pipefail

start_unpacked="$1"
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../.." && pwd)"
source "$root/scripts/lib/build.sh"
source "$root/scripts/lib/release.sh"
version="$(mipro_version)"
work="$(mktemp -d /tmp/mipro-package-check.XXXXXX)"
trap 'rm -rf "$work"' EXIT

expected_zip() {
    local top="mipro-$version" image
    printf '%s\n' "$top/" "$top/mipro.exe" "$top/practice-board.exe" "$top/board/" "$top/board/web/" \
        "$top/board/web/index.html" "$top/board/web/practice_board.js" "$top/LICENSE.txt" \
        "$top/THIRD-PARTY-NOTICES.txt" "$top/guide/" "$top/guide/README.md" "$top/guide/README.html" \
        "$top/guide/images/"
    for image in "$MIPRO_GUIDE_DIR"/images/*.png; do echo "$top/guide/images/$(basename "$image")"; done
}

expected_deb_files() {
    local image
    printf '%s\n' ./usr/bin/mipro ./usr/share/applications/mipro.desktop \
        ./usr/share/icons/hicolor/32x32/apps/mipro.png ./usr/share/doc/mipro/copyright \
        ./usr/share/doc/mipro/changelog.gz ./usr/share/man/man1/mipro.1.gz \
        ./usr/share/metainfo/org.example.mipro.metainfo.xml \
        ./usr/share/doc/mipro/guide/README.md ./usr/share/doc/mipro/guide/README.html \
        ./usr/share/mipro/board/web/index.html ./usr/share/mipro/board/web/practice_board.js
    for image in "$MIPRO_GUIDE_DIR"/images/*.png; do echo "./usr/share/doc/mipro/guide/images/$(basename "$image")"; done
}

MIPRO_DIST_DIR="$work/dist" "$root/scripts/package"
zip="$work/dist/mipro-$version-windows-x64.zip"
deb="$work/dist/mipro_${version}_amd64.deb"

echo "The zip holds what it must"
diff <(expected_zip | sort) <(unzip -Z1 "$zip" | sort)
echo "The .deb holds what it must"
diff <(expected_deb_files | sort) <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sort)
echo "lintian finds no error in the .deb"
# Run as root (in a container), lintian says so on its error stream; that is no finding.
lintian --fail-on error "$deb"

folder="$work/ミプロ テスト"
mkdir -p "$folder"
unzip -q "$zip" -d "$folder"
before="$(cd "$folder" && find . | sort)"
echo "mipro.exe starts from $folder"
# Wine reads the Japanese letters of the argument in the locale's encoding.
(cd "$folder/mipro-$version" &&
    LC_ALL=C.UTF-8 "$root/scripts/wine-run" "$start_unpacked" "$(winepath -w "$folder/mipro-$version/mipro.exe")")
echo "Nothing was written beside it"
diff <(echo "$before") <(cd "$folder" && find . | sort)
echo "package check passed"
