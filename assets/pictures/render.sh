#!/bin/sh
# Regenerates every PNG in this folder from the SVG sources in src/.
#
# Needs: python3, rsvg-convert (librsvg2-bin) and convert (imagemagick).
#   apt-get install -y librsvg2-bin imagemagick python3
# The PNGs are committed, so building the game does not need these tools;
# run this only after changing a source.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
src="$here/src"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# render SVG W H OUT: keeps the alpha channel (pictures with transparent corners)
render() {
    rsvg-convert -w "$2" -h "$3" "$src/$1" -o "$tmp/out.png"
    convert "$tmp/out.png" -strip PNG32:"$here/$4"
}

# render_opaque SVG W H OUT: flattened to 24-bit RGB, no alpha channel
render_opaque() {
    rsvg-convert -w "$2" -h "$3" "$src/$1" -o "$tmp/out.png"
    convert "$tmp/out.png" -background black -alpha remove -alpha off -strip \
        -define png:compression-level=9 PNG24:"$here/$4"
}

# The background is drawn by a script; its SVG is regenerated first.
python3 "$src/background.py" > "$src/background.svg"
render_opaque background.svg 1089 817 background.png

render_opaque icon.svg 64 64 icon.png
for size in 16 32 48 128 256; do
    render_opaque icon.svg "$size" "$size" "icon-$size.png"
done

render cursor.svg 48 48 cursor.png

for name in smile neutral laugh noentry stopwatch; do
    render "$name.svg" 32 32 "$name-32.png"
    render "$name-16.svg" 16 16 "$name-16.png"
done

echo "pictures rendered into $here"
