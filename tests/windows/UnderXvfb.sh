#!/usr/bin/env bash
# Runs a command on a virtual X display of its own (1280 x 720, 24-bit) and ends the display
# with it; the command's exit status is the script's.
#   UnderXvfb.sh COMMAND [ARGUMENT...]
set -euo pipefail
folder=$(mktemp -d)
# Wine keeps one server for a prefix, tied to the display its first program found: with
# WINEPREFIX set, the prefix's server is ended before and after, so Wine starts on this display.
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
end_wine() {
    [ -z "${WINEPREFIX:-}" ] || "$wineserver" -k 2>/dev/null || true
}
end_wine
trap 'end_wine; kill "$xvfb" 2>/dev/null; rm -rf "$folder"' EXIT
# Xvfb says which display it took once it is ready for clients.
mkfifo "$folder/display"
Xvfb -displayfd 3 -screen 0 1280x720x24 -nolisten tcp 3>"$folder/display" 2>"$folder/log" &
xvfb=$!
read -r display <"$folder/display" || { cat "$folder/log" >&2; exit 1; }
DISPLAY=:$display "$@"
