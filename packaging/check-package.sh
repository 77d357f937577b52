#!/usr/bin/env bash
# Builds the Debian package with packaging/deb into OUT and checks it: the
# changelog names the project's version, lintian finds no error or warning,
# the package holds the games layout and nothing under /usr/local or the
# build tree, and the game unpacked from it starts through its command,
# finds its sounds and reports an unusable record folder; its desktop entry
# and metainfo validate.
#
# check-package.sh OUT APP_ID VERSION PROBE
set -euo pipefail

out=$1 app_id=$2 version=$3 probe=$4
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_root=$(dirname "$here")

work=$(mktemp -d "${TMPDIR:-/tmp}/tavola-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/root program_dir=usr/lib/games/tavola command_dir=usr/games datadir=usr/share
. "$here/checks.sh"

arch=$(dpkg --print-architecture)
deb=$out/tavola_${version}_$arch.deb
changes=$out/tavola_${version}_$arch.changes

check_changelog_version() {
    local named
    named=$(dpkg-parsechangelog -l "$source_root/debian/changelog" -S Version)
    if [ "$named" = "$version" ]; then
        pass "debian/changelog names version $version, as the project does"
    else
        fail "debian/changelog names version $named, the project $version"
    fi
}

build_package() {
    if ! "$here/deb" "$out" >"$work/deb.log" 2>&1; then
        tail -n 80 "$work/deb.log"
        fail "packaging/deb"
        finish_checks package
    fi
    if [ ! -f "$deb" ] || [ ! -f "$changes" ]; then
        fail "packaging/deb left no $(basename "$deb") and $(basename "$changes")"
        finish_checks package
    fi
    pass "packaging/deb left $(basename "$deb"): $(stat -c %s "$deb") bytes," \
        "$(dpkg-deb -f "$deb" Installed-Size) KiB installed"
}

check_lintian() {
    if lintian --allow-root --fail-on error,warning --display-info "$changes" "$deb"; then
        pass "lintian: no error or warning"
    else
        fail "lintian found errors or warnings"
    fi
}

# The package's paths, "./usr/..." one a line, with " -> target" for a link.
package_paths() {
    dpkg-deb -c "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }'
}

check_listing() {
    local path stray
    package_paths >"$work/listing"
    for path in \
        ./usr/lib/games/tavola/tavola \
        "./usr/lib/games/tavola/suoni -> ../../../share/games/tavola/suoni" \
        ./usr/share/games/tavola/suoni/Esatto.wav \
        ./usr/share/games/tavola/suoni/no.wav \
        "./usr/games/tavola -> ../lib/games/tavola/tavola" \
        ./usr/share/applications/$app_id.desktop \
        ./usr/share/metainfo/$app_id.metainfo.xml \
        ./usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/tavola.png \
        ./usr/share/man/man6/tavola.6.gz \
        ./usr/share/man/it/man6/tavola.6.gz \
        ./usr/share/doc/tavola/copyright; do
        if grep -qxF "$path" "$work/listing"; then
            pass "the package holds $path"
        else
            fail "the package has no $path"
        fi
    done
    stray=$(grep -vE '^\./(usr/.*)?$' "$work/listing" || true)
    stray+=$(grep -E '^\./usr/local(/|$)|obj-|/build' "$work/listing" || true)
    stray+=$(grep -F -e "$out" -e "$source_root" "$work/listing" || true)
    if [ -z "$stray" ]; then
        pass "nothing outside /usr, under /usr/local or from the build tree"
    else
        fail "stray paths in the package: $stray"
    fi
}

check_no_build_paths() {
    if grep -qF -e "$out/scratch" -e "$source_root" "$program"; then
        fail "the program names the folder it was built in"
    else
        pass "the program names no build folder"
    fi
    if readelf -d "$program" | grep -qE 'RPATH|RUNPATH'; then
        fail "the program carries a library search path of its own"
    else
        pass "the program finds its libraries in the system's folders"
    fi
}

check_changelog_version
build_package
check_lintian
check_listing
dpkg-deb -x "$deb" "$root"
check_no_build_paths
check_installed_tree
finish_checks package
