#!/usr/bin/env bash
# Plays the Windows game under Wine on the X display of 1280 x 720 that UnderXvfb.sh gives it,
# as a player would: --help and a bad option answer on the streams the game was given; the first
# battle shows on the X display (the craft where the Linux runner draws it, scaled and
# letterboxed, and stars); F12 writes the frame as a PNG; the up arrow sent with xdotool moves
# the craft (seen in --trace); and Escape ends the game with status 0 and the log's two lines
# of a machine without a joystick or sound card, with CR LF ends.
#   PlayUnderWine.sh WINE PREFIX WINDOWS_GAME_DIR LINUX_RUNNER LINUX_GAME_DIR WORK
set -euo pipefail
wine=$1 prefix=$2 windows_game=$3 runner=$4 linux_game=$5 work=$6

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/game" "$work/linux"
cp "$windows_game"/* "$work/game/"
cp "$linux_game"/*.bmp "$linux_game/controls.cfg" "$work/linux/"
cd "$work"

# The Linux runner's picture of the first battle: the craft stays put on the screen while no key
# is pressed.
"$runner" --frames 31 --dir "$work/linux" --shot "30:$work/linux/first.bmp"

export WINEPREFIX=$prefix WINEDEBUG=-all
game=
trap '[ -z "$game" ] || kill "$game" 2>/dev/null' EXIT

cd game
# A windowed program that still answers on the streams it was given.
"$wine" corvanes.exe --help >../help.txt 2>&1 || fail "--help did not end with status 0"
grep -q '^usage: corvanes ' ../help.txt || fail "no usage from --help: $(cat ../help.txt)"
status=0
"$wine" corvanes.exe --nothing >../refused.txt 2>&1 || status=$?
[ "$status" = 2 ] || fail "an unknown option ended with status $status"
printf 'corvanes: unknown option "--nothing"\r\n' | cmp - ../refused.txt ||
    fail "the refusal reads: $(cat ../refused.txt)"
"$wine" corvanes.exe --trace ../trace.jsonl >../out.txt 2>../err.txt &
game=$!
cd ..

# Waits, without a clock of its own, for a trace line that matches.
await_trace() {
    grep -q -m1 -E "$1" < <(timeout 180 tail -n +1 -F trace.jsonl 2>/dev/null) ||
        fail "no pass of the trace matched $1"
}
passes() {
    wc -l <trace.jsonl
}

await_trace '^\{"frame":30,'
window=$(timeout 180 xdotool search --sync --onlyvisible --name '^CorvanesEngine$' | head -1)
[ -n "$window" ] || fail "no game window"
# Keys go where the X focus is, as a player's do.
xdotool windowfocus --sync "$window"

# The picture: 800 x 600 scaled by 1.2 to 960 x 720, between bars of 160 columns.
import -window root screen.png
for bar in 160x720+0+0 160x720+1120+0; do
    [ "$(convert screen.png -crop "$bar" +repage -format '%[max]' info:)" = 0 ] ||
        fail "the bar $bar is not black"
done
stars=$(convert screen.png -crop 960x300+160+0 +repage -colorspace gray -threshold 20% \
        -format '%[fx:round(mean*w*h)]' info:)
[ "$stars" -ge 30 ] || fail "only $stars star pixels above the craft"
# The craft at (200, 300) to (285, 385) of the picture; its pixels, not black.
rmse() {
    compare -metric RMSE "$1" "$2" null: 2>&1 | sed -E 's/.*\((.*)\).*/\1/'
}
convert screen.png -crop 102x102+400+360 +repage craft-seen.png
convert linux/first.bmp -crop 85x85+200+300 +repage -sample 102x102! craft-drawn.png
convert -size 102x102 xc:black black.png
awk -v drawn="$(rmse craft-seen.png craft-drawn.png)" -v black="$(rmse craft-seen.png black.png)" \
    'BEGIN { exit !(drawn < black / 2) }' || fail "the craft is not where the runner draws it"

xdotool key F12
await_trace "^\\{\"frame\":$(($(passes) + 10)),"
xdotool keydown Up
await_trace '"player":\{"x":-?[0-9]+,"y":-[1-9]'
xdotool keyup Up
xdotool key Escape
status=0
wait "$game" || status=$?
game=
[ "$status" = 0 ] || fail "the game ended with status $status"

printf 'ERROR: Unable to create joystick device\r\nERROR: Unable to create direct sound device\r\n' \
    >log-wanted.txt
cmp game/log.txt log-wanted.txt || fail "the log differs: $(od -c game/log.txt)"
[ ! -s out.txt ] || fail "the game wrote to stdout: $(cat out.txt)"
# Wine's own sound driver may complain about the missing card; the game writes nothing.
if grep -v '^ALSA lib' err.txt; then fail "the game wrote to stderr"; fi

shots=(game/screenshots/corvanes-*.png)
[ ${#shots[@]} = 1 ] && [ -f "${shots[0]}" ] || fail "F12 wrote no screenshot"
[ "$(identify -format '%m %w %h' "${shots[0]}")" = "PNG 800 600" ] || fail "a bad screenshot"
convert "${shots[0]}" -crop 85x85+200+300 +repage shot-craft.png
convert linux/first.bmp -crop 85x85+200+300 +repage shot-drawn.png
convert -size 85x85 xc:black black.png
awk -v drawn="$(rmse shot-craft.png shot-drawn.png)" -v black="$(rmse shot-craft.png black.png)" \
    'BEGIN { exit !(drawn < black / 4) }' || fail "the screenshot does not show the craft"
echo "the game showed its first battle, moved the craft, wrote a screenshot and ended in order" \
     "after $(passes) passes"
