#pragma once
// Picture numbers of the shared button list (<language folder>but_r\<n>.bmp). The
// course draws one two-frame strip per number from 0 to kButtonPictureCount - 1;
// numbers without a role here are drawn by the course as plain fillers.

namespace vimo::button_picture {

// The vocabulary drill's small buttons (33 x 33): go on to the next word or judge a
// typed answer, run the tab again, and hear the word.
inline constexpr int drill_ok = 1;
inline constexpr int drill_repeat = 2;
inline constexpr int drill_play = 3;
inline constexpr int play = 7;
inline constexpr int dictionary = 11;
inline constexpr int again = 12;
inline constexpr int print = 13;
inline constexpr int glossary = 17;
inline constexpr int lessons = 22;
// The multimedia window's play, pause and stop buttons.
inline constexpr int media_play = 24;
inline constexpr int media_pause = 25;
inline constexpr int media_stop = 26;
inline constexpr int expand_all = 30;
inline constexpr int collapse_all = 31;
inline constexpr int delete_one_repetition = 33;
inline constexpr int delete_all_repetitions = 34;
inline constexpr int ok = 35;
inline constexpr int close = 36;
inline constexpr int new_learner = 37;
// The multimedia window's jump marks 1 to 4.
inline constexpr int media_mark_1 = 38;
inline constexpr int media_mark_2 = 39;
inline constexpr int media_mark_3 = 40;
inline constexpr int media_mark_4 = 41;
inline constexpr int exit = 43;
inline constexpr int help = 44;
inline constexpr int next = 45;
inline constexpr int repetitions = 46;
inline constexpr int check = 48;
inline constexpr int film = 50;
// The help window's back and contents buttons.
inline constexpr int help_back = 53;
inline constexpr int help_contents = 54;
inline constexpr int analyser = 57;
inline constexpr int web_page = 58;
inline constexpr int tips = 59;
inline constexpr int search = 63;
inline constexpr int more = 64;
// The typing screen's translation of the text; a course without it shows the glossary's.
inline constexpr int translation = 65;

inline constexpr int kButtonPictureCount = 66;

} // namespace vimo::button_picture
