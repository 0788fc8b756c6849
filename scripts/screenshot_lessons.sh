#!/usr/bin/env bash
# Starts the program on a copy of a course under a private X server, opens the first
# text's tasks from the chooser as a learner would, and saves screenshots.
# Usage: scripts/screenshot_lessons.sh OUTPUT_DIR [COURSE_ROOT]
# Writes into OUTPUT_DIR:
#   first_task_notice.png   mc.png  mc_checked.png (one answer ticked per question)
#   tf.png  tf_checked.png  help_filmy.png (F1 on the true/false screen)
#   information.png (the task's help button; mc.png shows the first text's recording
#   in the small sound player)
#   dd.png  dd_checked.png (sorting into two columns, one word dragged, then checked)
#   media_film.png (the second text's film, playing)
#   hh.png  hh_checked.png (matching pairs, one pair made)
#   dv.png  dv_checked.png (ordering, the first row dragged to the third)
#   dd3.png  dd3_checked.png (sorting into three columns)
#   df.png  df_checked.png (definitions, one term dragged into the first slot)
#   not_available.png (the second group's curiosity text, a kind whose screen is not
#   in the program yet: the notice over the chooser)
#   vocabulary_hearing.png  vocabulary_hearing_judged.png (key 1)  vocabulary_dictation.png
#   (a wrong word typed and judged)  vocabulary_answer.png (F5)  vocabulary_translating.png
#   vocabulary_reading.png  vocabulary_word_list.png (the translation under the mouse)
#   vocabulary_example.png (a word clicked)  vocabulary_chooser.png (the scores after it)
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
xdotool key F1
shot help_filmy 2
xdotool key Escape
sleep 0.5
click 12 755 # the help button
shot information
xdotool key Escape
sleep 0.5
tab() { click 974 $((20 + 21 * ($1 - 1) + 10)); }
# Drags with the left button held from one point to another.
drag() {
    xdotool mousemove --sync "$1" "$2" mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) \
        mousemove "$3" "$4" mouseup 1
}
tab 3 # sorting into columns
shot dd
drag 56 158 465 285 # the pool's first word into the first column
click 975 223
shot dd_checked
click 1010 10       # leave: back in the chooser
sleep 1
click 120 "$(row 0)" # fold the first group
click 46 "$(row 1)"  # unfold the second
click 64 "$(row 2)"  # its first text, which has a film
click 120 "$(row 3)" # the text's first task
sleep 2
click 82 42          # the media button
shot media_film 4
tab 2 # matching pairs
shot hh
click 200 212 # the first left item, then the second right one
click 470 236
sleep 0.5
click 760 385 # this screen's own check button
shot hh_checked
tab 3 # ordering
shot dv
drag 425 262 425 312 # the first row onto the third
click 975 223
shot dv_checked
tab 4 # sorting into three columns
shot dd3
drag 56 158 300 285
click 975 223
shot dd3_checked
tab 5 # definitions
shot df
drag 56 158 80 240 # the pool's first term into the first slot
click 975 223
shot df_checked
click 1010 10 # back in the chooser
sleep 1
click 64 "$(row 2)"  # fold the second text
click 120 "$(row 4)" # the curiosity text below it
shot not_available
xdotool key Escape   # the notice
sleep 1
click 949 316        # unfold everything: the first group's word list too
drill_tab() { click 936 $((56 + 26 * ($1 - 1) + 12)); }
click 140 "$(row 20)" # the word list's hearing row
shot vocabulary_hearing 2
xdotool key 1
shot vocabulary_hearing_judged 2
xdotool key Return
drill_tab 4
xdotool type --delay 50 "windoe"
xdotool key Return
shot vocabulary_dictation 3
xdotool key F5
shot vocabulary_answer
xdotool key Return   # closes the answer
drill_tab 5
xdotool type --delay 50 "to get up"
shot vocabulary_translating
drill_tab 3
shot vocabulary_reading
drill_tab 1
xdotool mousemove --sync 160 185
shot vocabulary_word_list
click 160 185
shot vocabulary_example
xdotool key Escape   # back in the chooser
shot vocabulary_chooser 2
kill "$program" 2>/dev/null || true
echo "screenshots in $out"
