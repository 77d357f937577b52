#!/usr/bin/env bash
# Installs Tavola into a fresh folder and checks what lands there: the program
# with its sounds, the command link, the icons, the desktop entry and the
# metainfo, and that the game started through the link sees its own folder.
#
# check-install.sh CMAKE BUILD_DIR APP_ID VERSION BINDIR LIBEXECDIR DATADIR
set -euo pipefail

cmake=$1 build=$2 app_id=$3 version=$4 bindir=$5 libexecdir=$6 datadir=$7

work=$(mktemp -d "${TMPDIR:-/tmp}/tavola-install.XXXXXX")
game_pid=
stop_game() {
    if [ -n "$game_pid" ]; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
        game_pid=
    fi
}
finish() {
    stop_game
    rm -rf "$work"
}
trap finish EXIT

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

prefix=$work/prefix
program=$prefix/$libexecdir/tavola/tavola
command_link=$prefix/$bindir/tavola
applications=$prefix/$datadir/applications
metainfo=$prefix/$datadir/metainfo/$app_id.metainfo.xml
desktop_entry=$applications/$app_id.desktop

install_into_prefix() {
    if ! "$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1; then
        cat "$work/install.log"
        fail "cmake --install"
        exit 1
    fi
    pass "installed into a fresh prefix"
}

check_program() {
    if [ -f "$program" ] && [ ! -L "$program" ] && [ -x "$program" ]; then
        pass "program at $libexecdir/tavola/tavola"
    else
        fail "no executable file at $libexecdir/tavola/tavola"
    fi
}

# A wave file starts with "RIFF", four bytes of length, then "WAVE".
is_wave() {
    [ -f "$1" ] && [ "$(head -c 4 "$1")" = RIFF ] && [ "$(head -c 12 "$1" | tail -c 4)" = WAVE ]
}

check_sounds() {
    local cue
    for cue in Esatto.wav no.wav; do
        if is_wave "$(dirname "$program")/suoni/$cue"; then
            pass "sound suoni/$cue beside the program"
        else
            fail "no wave file suoni/$cue beside the program"
        fi
    done
}

check_command_link() {
    local target expected
    expected=$(realpath -m --relative-to="$prefix/$bindir" "$program")
    if [ ! -L "$command_link" ]; then
        fail "$bindir/tavola is not a symbolic link"
        return
    fi
    target=$(readlink "$command_link")
    if [ "$target" != "$expected" ]; then
        fail "$bindir/tavola points to '$target', not '$expected'"
    elif [ "$(readlink -f "$command_link")" != "$(readlink -f "$program")" ]; then
        fail "$bindir/tavola does not reach the program"
    else
        pass "$bindir/tavola -> $target"
    fi
}

# Width and height of a PNG, from its IHDR chunk.
png_size() {
    local bytes
    bytes=$(od -An -tu1 -j16 -N8 "$1" | tr -s ' \n' ' ')
    read -r w1 w2 w3 w4 h1 h2 h3 h4 <<<"$bytes"
    echo "$(((w1 << 24) | (w2 << 16) | (w3 << 8) | w4))x$(((h1 << 24) | (h2 << 16) | (h3 << 8) | h4))"
}

check_icons() {
    local size icon
    for size in 16 32 48 64 128 256; do
        icon=$prefix/$datadir/icons/hicolor/${size}x${size}/apps/tavola.png
        if [ ! -f "$icon" ] || [ "$(head -c 4 "$icon" | tail -c 3)" != PNG ]; then
            fail "no PNG icon at hicolor/${size}x${size}"
        elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
            fail "icon at hicolor/${size}x${size} is $(png_size "$icon")"
        else
            pass "icon hicolor/${size}x${size}/apps/tavola.png"
        fi
    done
}

# Runs a validator and shows what it says; a missing validator is a failure.
validate() {
    local what=$1
    shift
    if ! command -v "$1" >/dev/null; then
        fail "$1 is missing (packaging/debian-packages.txt installs it)"
        return
    fi
    if "$@"; then
        pass "$what"
    else
        fail "$what"
    fi
}

check_desktop_entry() {
    validate "desktop-file-validate $app_id.desktop" desktop-file-validate "$desktop_entry"
    if PATH=$prefix/$bindir command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop_entry")" >/dev/null; then
        pass "the desktop entry's command is in $bindir"
    else
        fail "the desktop entry's command is not in $bindir"
    fi
}

check_metainfo() {
    validate "appstreamcli validate $app_id.metainfo.xml" appstreamcli validate --no-net "$metainfo"
    validate "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$prefix"
    if grep -q "<release version=\"$version\"" "$metainfo"; then
        pass "the metainfo names release $version"
    else
        fail "the metainfo has no release $version"
    fi
}

# The game takes its own folder from the kernel's link to the running
# program, so started through the command it must still see the real folder.
check_started_through_link() {
    local home=$work/home seen=
    if [ ! -x "$command_link" ]; then
        fail "the game cannot be started through $bindir/tavola"
        return
    fi
    mkdir -p "$home"
    mkdir -m 700 "$work/runtime"
    HOME=$home XDG_DATA_HOME=$home/.local/share XDG_CONFIG_HOME=$home/.config \
        XDG_CACHE_HOME=$home/.cache XDG_RUNTIME_DIR=$work/runtime \
        "$command_link" </dev/null >"$work/game.log" 2>&1 &
    game_pid=$!
    for _ in $(seq 200); do
        seen=$(readlink "/proc/$game_pid/exe" 2>/dev/null || true)
        [ "$seen" = "$(readlink -f "$program")" ] && break
        kill -0 "$game_pid" 2>/dev/null || break
        sleep 0.05
    done
    if [ "$seen" != "$(readlink -f "$program")" ]; then
        cat "$work/game.log"
        fail "the game started through $bindir/tavola runs as '$seen'"
    elif is_wave "$(dirname "$seen")/suoni/Esatto.wav" && is_wave "$(dirname "$seen")/suoni/no.wav"; then
        pass "started through the link, the game's folder $(dirname "${seen#"$prefix"/}") holds its sounds"
    else
        fail "started through the link, the game's folder has no sounds"
    fi
    stop_game
}

install_into_prefix
check_program
check_sounds
check_command_link
check_icons
check_desktop_entry
check_metainfo
check_started_through_link

if [ "$failures" -ne 0 ]; then
    echo "some install checks failed"
    exit 1
fi
echo "every install check passed"
