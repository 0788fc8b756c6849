#pragma once
// The pictures of the task screens' frame: the right panel, the tabs, the score panel
// and its score pictures, the answer boxes, the marks, the wrong-row exclamation mark and
// the ordering screen's score panel.

#include <QImage>
#include <QString>
#include <QStringList>

namespace vimo {

// Tab k (1..8) of a task screen's right panel, 80 by 20; current: the open task's tab.
QImage draw_task_tab(int k, bool current);
// The strip of 13 score pictures (22 by 22 each): frame n shows n twelfths.
QImage draw_score_strip();

// Writes the course-root pictures (gfx_r/panel_prawy_teksty_<letter>.bmp for the four
// course variants, but_r/zakl/_<k>.bmp and _<k>a.bmp, gfx_r/torcik.bmp, the answer boxes,
// the marks, gfx_r/wykrzyknik.bmp and gfx_r/ptoc_panel.bmp) and returns the paths.
QStringList write_task_pictures(const QString& course_root);
// Writes the score panel gfx_r/panel_wynik.bmp of a language folder.
QStringList write_task_language_pictures(const QString& language_gfx_folder);

} // namespace vimo
