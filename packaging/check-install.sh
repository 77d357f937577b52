#!/usr/bin/env bash
# Installs Tavola into a fresh folder and checks what lands there: the program
# with its sounds, the command link, the icons, the desktop entry and the
# metainfo, and that the game started through the link sees its own folder.
#
# check-install.sh CMAKE BUILD_DIR APP_ID VERSION PROBE PROGRAM_DIR COMMAND_DIR DATADIR
set -euo pipefail

cmake=$1 build=$2 app_id=$3 version=$4 probe=$5 program_dir=$6 command_dir=$7 datadir=$8

work=$(mktemp -d "${TMPDIR:-/tmp}/tavola-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
root=$work/prefix
. "$(dirname "${BASH_SOURCE[0]}")/checks.sh"

if ! "$cmake" --install "$build" --prefix "$root" >"$work/install.log" 2>&1; then
    cat "$work/install.log"
    fail "cmake --install"
    finish_checks install
fi
pass "installed into a fresh prefix"

check_installed_tree
finish_checks install
