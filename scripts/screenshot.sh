#!/usr/bin/env bash
# Starts the program on a copy of a course under a private X server and saves a
# screenshot of every screen around the lessons, driving it as a learner would.
# Usage: scripts/screenshot.sh OUTPUT_DIR [COURSE_ROOT]
# The copy (in a temporary folder) gets the sample learner "Ola" with results and due
# repetitions (build/vimo-sample-learner); "Jan" is added through the new-learner
# window. Writes into OUTPUT_DIR:
#   learner_chooser.png  new_learner.png  message_window.png (a name that is taken)
#   main_menu.png (Jan: no repetitions)   exit_window.png
#   main_menu_repetitions.png (Ola)       chooser_lessons.png (all unfolded)
#   chooser_repetitions.png (with the delete-one button)  delete_repetitions.png
#   options.png
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?output folder}
source_course=${2:-build/demo-course}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_course" "$work/course"
rm -f "$work/course/usr.t"
build/vimo-sample-learner "$work/course" Ola >/dev/null

source scripts/headless.sh
headless_start

program=
start_program() {
    QT_QPA_PLATFORM=xcb build/lexaro-vimo --course-root "$work/course" &
    program=$!
    headless_pids=("$program" "${headless_pids[@]}")
    sleep 3
}
shot() { sleep "${2:-1}"; import -window root "$out/$1.png"; }
click() { xdotool mousemove --sync "$1" "$2" click "${3:-1}"; }
key() { xdotool key "$@"; }
# Small windows are centred on the 1024x768 screen.
learner_x=$(((1024 - 460) / 2)) learner_y=$(((768 - 300) / 2))

start_program
shot learner_chooser 0
click $((learner_x + 60)) $((learner_y + 168)) # new learner
shot new_learner
click $((learner_x + 100)) $((learner_y + 104))
xdotool type --delay 40 Ola
key Return
shot message_window
key Escape
sleep 0.5
xdotool type --delay 40 Jan
key Return
shot main_menu 2
click 1010 10
shot exit_window
key Return
wait "$program" || true

start_program
click $((learner_x + 230)) $((learner_y + 15))
key Up Return # Ola, above Jan
sleep 2
xdotool mousemove --sync 600 400 # the pointer away from the buttons
shot main_menu_repetitions 0
click 66 640 # lessons
sleep 1
click 894 310 # expand all
shot chooser_lessons
key Escape
sleep 0.5
click 190 640 # repetitions
sleep 1
click 894 310
sleep 0.5
click 130 166 3 # right button on the third row
shot chooser_repetitions
click 894 660 # delete all
shot delete_repetitions
key Escape
sleep 0.5
key Escape
sleep 0.5
click 198 750 # options
shot options
key Escape
kill "$program" 2>/dev/null || true
echo "screenshots in $out"
