#!/bin/sh
# Regenerates the two answer cues in this folder:
#   Esatto.wav  right answer: a bright rising chime (C6, E6, G6) with a voice
#               saying "Esatto!" over its ringing tail
#   no.wav      wrong answer: a soft, low "boo-boop" falling a minor third
# Both are mono, 44100 Hz, 16-bit PCM, and well under a second and a half.
#
# Needs: sox and espeak-ng.   apt-get install -y sox espeak-ng
# The WAVs are committed, so building the game does not need these tools.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

RATE=44100
FMT="-r $RATE -c 1 -b 16"

# Repeatable runs: sox dithers when it writes 16-bit samples, and -R fixes
# the seed of that noise so the same sources give byte-identical files.
sox() { command sox -R "$@"; }

# calc EXPR: a little floating-point arithmetic for the note lengths
calc() { awk "BEGIN { print $1 }"; }

# bell NAME FREQ LENGTH: one chime note, a sine with two soft overtones and a
# quick attack that dies away like a struck bell
bell() {
    sox -n $FMT "$tmp/$1-a.wav" synth "$3" sine "$2"
    sox -n $FMT "$tmp/$1-b.wav" synth "$3" sine "$(calc "$2 * 2")"
    sox -n $FMT "$tmp/$1-c.wav" synth "$3" sine "$(calc "$2 * 3")"
    sox -m -v 0.75 "$tmp/$1-a.wav" -v 0.2 "$tmp/$1-b.wav" -v 0.06 "$tmp/$1-c.wav" \
        "$tmp/$1.wav" fade q 0.004 "$3" "$(calc "$3 - 0.004")"
    sox "$tmp/$1.wav" "$tmp/$1-env.wav" fade l 0 "$3" "$(calc "$3 - 0.01")"
}

# boop NAME FROM TO LENGTH: one soft, round low note sagging slightly in pitch
boop() {
    sox -n $FMT "$tmp/$1-a.wav" synth "$4" sine "$2-$3"
    sox -n $FMT "$tmp/$1-b.wav" synth "$4" sine "$(calc "$2 * 2")-$(calc "$3 * 2")"
    sox -m -v 0.85 "$tmp/$1-a.wav" -v 0.12 "$tmp/$1-b.wav" "$tmp/$1-env.wav" \
        fade h 0.03 "$4" "$(calc "$4 * 0.6")"
}

# --- Esatto.wav -------------------------------------------------------------
bell c6 1046.50 0.55
bell e6 1318.51 0.55
bell g6 1567.98 0.95
sox "$tmp/e6-env.wav" "$tmp/e6-late.wav" pad 0.09
sox "$tmp/g6-env.wav" "$tmp/g6-late.wav" pad 0.18
sox -m "$tmp/c6-env.wav" "$tmp/e6-late.wav" "$tmp/g6-late.wav" "$tmp/chime.wav" \
    reverb 25 50 40 gain -n -9

espeak-ng -v it+f3 -s 140 -p 65 -w "$tmp/voice-raw.wav" "Esatto!"
# trim the silence espeak leaves around the word, bring it to our rate,
# then start it once the chime has climbed to its top note
sox "$tmp/voice-raw.wav" $FMT "$tmp/voice.wav" \
    silence 1 0.005 0.3% reverse silence 1 0.005 0.3% reverse \
    equalizer 3000 1.5q 2 gain -n -3 pad 0.38

# a silent bed of the final length keeps the mix exactly 1.15 s long
sox -n $FMT "$tmp/bed.wav" trim 0 1.15
sox -m -v 1 "$tmp/bed.wav" -v 1 "$tmp/chime.wav" -v 1 "$tmp/voice.wav" "$tmp/esatto-mix.wav"
sox "$tmp/esatto-mix.wav" "$tmp/esatto-cut.wav" trim 0 1.15 fade q 0 1.15 0.1
sox "$tmp/esatto-cut.wav" $FMT "$here/Esatto.wav" gain -n -1

# --- no.wav -----------------------------------------------------------------
boop hi 329.63 320 0.21
boop lo 261.63 240 0.5
sox "$tmp/lo-env.wav" "$tmp/lo-late.wav" pad 0.27
sox -n $FMT "$tmp/bed09.wav" trim 0 0.9
sox -m -v 1 "$tmp/bed09.wav" -v 1 "$tmp/hi-env.wav" -v 1 "$tmp/lo-late.wav" "$tmp/no-mix.wav" \
    lowpass 1800 reverb 20 60 30
sox "$tmp/no-mix.wav" "$tmp/no-cut.wav" trim 0 0.9 fade q 0 0.9 0.1
sox "$tmp/no-cut.wav" $FMT "$here/no.wav" gain -n -8

echo "sounds written into $here"
