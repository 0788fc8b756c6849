#pragma once
// The pictures of the demo course, drawn for each interface language from the wording
// in the source folder art/<name>.txt (UTF-8 key=value lines, "#" starts a comment).

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

namespace vimo {

// Everything a picture says, in one interface language.
struct ArtWording {
    int interface_language = 0; // the N of Lang_r/N/ the pictures belong to
    QString title;
    QString subtitle;
    QString help;
    QString options;
    QString about_heading;
    QString about_line1;
    QString about_line2;
    QString website;
    QStringList greetings; // the speech bubbles, "|" between them in the source
    QString quit_question;
    QString yes;
    QString no;

    // Button labels (Lang_r/N/but_r/<n>.bmp), short enough for their buttons.
    QString button_ok;
    QString button_close;
    QString button_new_learner;
    QString button_expand_all;
    QString button_collapse_all;
    QString button_print;
    QString button_delete_one;
    QString button_delete_all;
    QString button_check;
    QString button_again;
    QString button_glossary;
    QString button_dictionary;
    QString button_tips;
    QString button_lessons;
    QString button_repetitions;
    QString button_more;
    QString button_translation;

    // The chooser (wybor.jpg): its title and the headings of its columns.
    QString chooser_title;
    QString column_exercise;
    QString column_level;
    QString column_done;
    QString column_repetition;
    QString column_score;

    // The learner windows (logowanie.bmp, logow_new.bmp).
    QString learner_question;
    QString learner_name;

    // The speech analyser (mowa.bmp): its title, the captions of its two views and of
    // their outline check boxes.
    QString analyser_title;
    QString analyser_model;
    QString analyser_take;
    QString analyser_outline;
};

// Places on the main menu picture that the program's click areas and image buttons
// occupy, in its 1024 by 768 window.
namespace main_menu_area {
inline constexpr QRect help{44, 736, 69, 29};
inline constexpr QRect options{148, 736, 101, 29};
inline constexpr QRect about{716, 108, 289, 133};
inline constexpr QRect website{718, 668, 233, 49};
// Painted over by the program: these stay free of text and decoration.
inline constexpr QRect lessons_button{46, 620, 110, 100};
inline constexpr QRect repetitions_button{170, 620, 110, 100};
inline constexpr QRect exit_button{999, 0, 25, 25};
} // namespace main_menu_area

// Places on the exit window picture that its program relies on.
namespace exit_window_area {
inline constexpr QRect caption_strip{0, 0, 420, 30}; // the program paints the caption here
inline constexpr QRect yes_button{60, 150, 130, 44};
inline constexpr QRect no_button{230, 150, 130, 44};
} // namespace exit_window_area

// Parses an art wording source. Throws DemoSourceError naming file and line for bad
// UTF-8, a line without "=", an unknown or repeated key, a bad language number, and
// naming the file for a key that is missing.
ArtWording read_art_wording(const QByteArray& bytes, const QString& file);

// The main menu background "gfx_r/Main_rozum.jpg", 1024 by 768.
QImage draw_main_menu(const ArtWording& wording);
// The exit confirmation picture "gfx_r/koniec.bmp", 420 by 220.
QImage draw_exit_window(const ArtWording& wording);

// Draws the pictures of every wording file in source_dir/art into
// output_dir/Lang_r/N/gfx_r/ and Lang_r/N/but_r/, the chooser's icons into
// output_dir/gfx_r/wybor/, the shared pictures of the other screens, and the vocabulary
// drill's backgrounds, icons and wrong-answer sound (drill_art.h), and returns the paths
// written. Needs a QGuiApplication (fonts).
QStringList build_demo_pictures(const QString& source_dir, const QString& output_dir);

} // namespace vimo
