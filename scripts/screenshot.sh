#!/usr/bin/env bash
# Starts the program on a course under a private X server and saves screenshots.
# Usage: scripts/screenshot.sh OUTPUT_DIR [COURSE_ROOT]
# Writes OUTPUT_DIR/main_menu.png and OUTPUT_DIR/exit_window.png (the exit window is
# opened by clicking the main window's exit button, then cancelled with Escape).
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?output folder}
course=${2:-build/demo-course}
mkdir -p "$out"
source scripts/headless.sh
headless_start
QT_QPA_PLATFORM=xcb build/lexaro-vimo --course-root "$course" &
program=$!
headless_pids=("$program" "${headless_pids[@]}")
sleep 3
import -window root "$out/main_menu.png"
xdotool mousemove --sync 1010 10 click 1
sleep 1
import -window root "$out/exit_window.png"
xdotool key Escape
sleep 0.5
kill "$program" 2>/dev/null || true
echo "screenshots in $out"
