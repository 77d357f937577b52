# Checks on an installed Tavola tree, shared by the install check and the
# package check. The caller sets, before sourcing this file:
#   work          a scratch folder of its own
#   root          the top of the tree: an install prefix, or a package unpacked
#   program_dir   the real executable's folder, below root
#   command_dir   the folder of the command link, below root
#   datadir       the folder of the desktop integration, below root
#   app_id version probe   the desktop id, the project's version, the folder of the box answerer plugin
# and then calls check_installed_tree, or single check_* functions, and
# finish_checks.

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

program=$root/$program_dir/tavola
command_link=$root/$command_dir/tavola
desktop_entry=$root/$datadir/applications/$app_id.desktop
metainfo=$root/$datadir/metainfo/$app_id.metainfo.xml

check_program() {
    if [ -f "$program" ] && [ ! -L "$program" ] && [ -x "$program" ]; then
        pass "program at $program_dir/tavola"
    else
        fail "no executable file at $program_dir/tavola"
    fi
}

# A wave file starts with "RIFF", four bytes of length, then "WAVE".
is_wave() {
    [ -f "$1" ] && [ "$(head -c 4 "$1")" = RIFF ] && [ "$(head -c 12 "$1" | tail -c 4)" = WAVE ]
}

# Both cues in suoni/ inside FOLDER (suoni/ may be a link).
has_sounds() {
    is_wave "$1/suoni/Esatto.wav" && is_wave "$1/suoni/no.wav"
}

check_sounds() {
    if has_sounds "$root/$program_dir"; then
        pass "sounds suoni/Esatto.wav and suoni/no.wav beside the program"
    else
        fail "no wave files suoni/Esatto.wav and suoni/no.wav beside the program"
    fi
}

check_command_link() {
    local target expected
    expected=$(realpath -m --relative-to="$root/$command_dir" "$program")
    if [ ! -L "$command_link" ]; then
        fail "$command_dir/tavola is not a symbolic link"
        return
    fi
    target=$(readlink "$command_link")
    if [ "$target" != "$expected" ]; then
        fail "$command_dir/tavola points to '$target', not '$expected'"
    elif [ "$(readlink -f "$command_link")" != "$(readlink -f "$program")" ]; then
        fail "$command_dir/tavola does not reach the program"
    else
        pass "$command_dir/tavola -> $target"
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
        icon=$root/$datadir/icons/hicolor/${size}x${size}/apps/tavola.png
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
    if PATH=$root/$command_dir command -v "$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop_entry")" >/dev/null; then
        pass "the desktop entry's command is in $command_dir"
    else
        fail "the desktop entry's command is not in $command_dir"
    fi
}

check_metainfo() {
    validate "appstreamcli validate $app_id.metainfo.xml" appstreamcli validate --no-net "$metainfo"
    validate "appstreamcli validate-tree" appstreamcli validate-tree --no-net "$root"
    if grep -q "<release version=\"$version\"" "$metainfo"; then
        pass "the metainfo names release $version"
    else
        fail "the metainfo has no release $version"
    fi
}

# The fields of the boxes the probe wrote down, one box a line.
boxes_seen() {
    sed -n 's/^box\t//p' "$work/run/boxes.log"
}

# Starts the game through its command link, offscreen, with a user whose
# record folder cannot be made, and the box probe answering its boxes. The
# game takes its own folder from the kernel's link to the running program,
# so started through the link it must still see the real folder and its
# sounds; it asks the name first and ends with the failure report.
check_game_run() {
    local run=$work/run status=0 folder first last
    mkdir -p "$run/home"
    mkdir -m 700 "$run/runtime"
    : >"$run/not-a-folder"
    HOME=$run/home XDG_DATA_HOME=$run/not-a-folder XDG_CONFIG_HOME=$run/home/.config \
        XDG_CACHE_HOME=$run/home/.cache XDG_RUNTIME_DIR=$run/runtime \
        QT_QPA_PLATFORM=offscreen QT_PLUGIN_PATH=$probe QT_QPA_GENERIC_PLUGINS=tavola-boxes:Prova \
        timeout 120 "$command_link" </dev/null >"$run/boxes.log" 2>"$run/game.log" || status=$?

    folder=$(sed -n 's/^folder\t//p' "$run/boxes.log")
    if [ "$folder" != "$(dirname "$(readlink -f "$program")")" ]; then
        fail "started through $command_dir/tavola, the game's folder is '$folder'"
    elif has_sounds "$folder"; then
        pass "started through the link, the game's folder ${folder#"$root"/} holds both sounds"
    else
        fail "started through the link, the game's folder has no sounds"
    fi

    first=$(boxes_seen | head -n 1)
    if [ "$first" = "$(printf 'Tavola\thidden\tCome ti chiami?')" ]; then
        pass "the game opens with its name box"
    else
        fail "the first box is '$first', not the name box"
    fi

    last=$(boxes_seen | tail -n 1)
    case $last in
    "$(printf 'Tavola\thidden\t')Si è verificato un errore e il gioco deve chiudersi."*"$run/not-a-folder/tavola"*)
        pass "the game reports the unusable record folder" ;;
    *)
        fail "the last box is '$last', not the failure report for the record folder" ;;
    esac

    if [ "$status" -eq 1 ] && grep -q "^tavola: Errore sul file" "$run/game.log"; then
        pass "the game ends with a failure status and its report on standard error"
    else
        cat "$run/boxes.log" "$run/game.log"
        fail "the game ended with status $status"
    fi
}

# Every check on the tree: its files, and the game started from it.
check_installed_tree() {
    check_program
    check_sounds
    check_command_link
    check_icons
    check_desktop_entry
    check_metainfo
    check_game_run
}

# Prints the verdict and ends the caller's script with it.
finish_checks() {
    if [ "$failures" -ne 0 ]; then
        echo "some $1 checks failed"
        exit 1
    fi
    echo "every $1 check passed"
    exit 0
}
