#!/bin/sh
# Rebuilds the game's pictures and sounds into resources/.
# Needs: cmake, g++, qt6-base-dev, lame.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
dest="$root/resources"

work=$(mktemp -d "${TMPDIR:-/tmp}/mediagen.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM

cmake -S "$here" -B "$work/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$work/build" -j2 >/dev/null

# Private runtime dir keeps Qt quiet when none is set.
mkdir -m 700 "$work/xdg"
XDG_RUNTIME_DIR="$work/xdg" QT_QPA_PLATFORM=offscreen "$work/build/mediagen" "$work/out"

mkdir -p "$dest"
for f in "Frelon_64x86.png" "Gun.png" "Explosion_256x256.png" \
         "Ciel.jpg" "A Dog.jpg" "Icon128.jpg"; do
    cp "$work/out/$f" "$dest/$f"
done

# Mono 44.1 kHz, constant 128 kbps, no tags: reruns give identical files.
for s in bee machine_gun_1 explosion; do
    lame --quiet --noreplaygain -m m -b 128 --resample 44.1 \
        "$work/out/$s.wav" "$dest/$s.mp3"
done

echo "wrote media to $dest"
