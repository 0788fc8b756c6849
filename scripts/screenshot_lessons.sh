#!/usr/bin/env bash
# Starts the program on a copy of a course under a private X server, opens the first
# text's tasks from the chooser as a learner would, and saves screenshots.
# Usage: scripts/screenshot_lessons.sh OUTPUT_DIR [COURSE_ROOT]
# Writes into OUTPUT_DIR:
#   first_task_notice.png   mc.png  mc_checked.png (one answer ticked per question)
#   tf.png  tf_checked.png  not_available.png (tab 3, a kind whose screen is not in
#   the program yet: the notice over the true/false screen)
#   help_filmy.png (F1 on the true/false screen)
#   information.png (the task's help button; mc.png shows the first text's recording
#   in the small sound player)  media_film.png (the second text's film, playing)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:?output folder}
source_course=${2:-build/demo-course}
mkdir -p "$out"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_course" "$work/course"
printf '1=Ewa\r\n' > "$work/course/usr.t"
rm -rf "$work/course/1"

source scripts/headless.sh
headless_start

QT_QPA_PLATFORM=xcb build/lexaro-vimo --course-root "$work/course" &
program=$!
headless_pids=("$program" "${headless_pids[@]}")
sleep 3
shot() { sleep "${2:-1}"; import -window root "$out/$1.png"; }
click() { xdotool mousemove --sync "$1" "$2" click 1; }

click 512 249 # the learner chooser takes the keys
xdotool key Return
sleep 2
click 66 640  # lessons
sleep 1
row() { echo $((98 + 20 * $1 + 8)); }
click 46 "$(row 0)"  # the first group
click 64 "$(row 1)"  # its first text
click 120 "$(row 2)" # the text's first task: multiple choice
shot first_task_notice 2
xdotool key Escape
shot mc
for question in 0 1 2 3 4; do # the first answer of every question
    click 95 $((150 + question * 120 + 24 + 8))
done
click 975 223 # check
shot mc_checked
click 974 51  # tab 2: true/false
shot tf
click 975 223
shot tf_checked
click 974 72  # tab 3
shot not_available
xdotool key Escape
sleep 0.5
xdotool key F1
shot help_filmy 2
xdotool key Escape
sleep 0.5
click 12 755 # the help button
shot information
xdotool key Escape
sleep 0.5
click 1010 10       # leave: back in the chooser
sleep 1
click 120 "$(row 0)" # fold the first group
click 46 "$(row 1)"  # unfold the second
click 64 "$(row 2)"  # its first text, which has a film
click 120 "$(row 3)" # the text's first task
sleep 2
click 82 42          # the media button
shot media_film 4
kill "$program" 2>/dev/null || true
echo "screenshots in $out"
