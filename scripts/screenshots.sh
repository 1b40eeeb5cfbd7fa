#!/usr/bin/env bash
# Makes every picture of docs/screenshots in one go: the screenshot tool
# walks the program through the user's road on a virtual X server.
# Usage: scripts/screenshots.sh [build-folder]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake --build "$build" --target tastwerk_screenshots -j 2

# The program starts in a fresh folder of a short, fixed name: the folder
# list shows its path, and the pictures stay the same from run to run.
work="${TMPDIR:-/tmp}/Tastwerk"
if [ -e "$work" ]; then
  echo "$work is in the way; please move it elsewhere" >&2
  exit 1
fi
trap 'rm -rf "$work"' EXIT

mkdir -p "$root/docs/screenshots"
LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/tools/screenshots/tastwerk_screenshots" -platform xcb \
  "$root/data/buttons" "$root/docs/screenshots" "$work"
# The first sheet of the overview's PDF, as a reader shows it.
pdftoppm -png -r 50 -f 1 -l 1 -singlefile "$work/overview.pdf" "$root/docs/screenshots/overview-pdf"
echo "Screenshots written to docs/screenshots:"
ls "$root/docs/screenshots"
