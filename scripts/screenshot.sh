#!/usr/bin/env bash
# Takes pictures of the main window under a virtual X display:
#   docs/screenshots/main-window.png        (start page)
#   docs/screenshots/main-window-ladder.png (ladder page)
#   docs/screenshots/main-window-hmi.png    (HMI page)
# Needs a release build (make build-release) and xvfb, xauth and imagemagick (make deps).
set -euo pipefail
cd "$(dirname "$0")/.."
app=build/release/src/gui/velmora
[ -x "$app" ] || { echo "build first: make build-release" >&2; exit 1; }
out=docs/screenshots
mkdir -p "$out"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

shoot() {
  local page=$1 file=$2
  xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    '$app' --no-splash --home '$home' --page $page &
    pid=\$!
    sleep 3
    import -window root '$file'
    kill \$pid
  "
  echo "wrote $file"
}

shoot 0 "$out/main-window.png"
shoot 1 "$out/main-window-ladder.png"
shoot 3 "$out/main-window-hmi.png"
