#include "demo_builder/artwork.h"

#include "demo_builder/analyser_art.h"
#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/dictionary_art.h"
#include "demo_builder/drill_art.h"
#include "demo_builder/help_art.h"
#include "demo_builder/information_art.h"
#include "demo_builder/media_art.h"
#include "demo_builder/printout_art.h"
#include "demo_builder/screen_art.h"
#include "demo_builder/source_text.h"
#include "demo_builder/task_art.h"

#include <QDir>
#include <QFile>

namespace vimo {

namespace {

ArtWording load_wording(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw DemoSourceError(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    }
    return read_art_wording(file.readAll(), path);
}

} // namespace

QStringList build_demo_pictures(const QString& source_dir, const QString& output_dir) {
    const QDir art(QDir(source_dir).filePath(QLatin1String(k_art_folder)));
    const QStringList sources = art.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
    const QString course_root = course_root_path(output_dir);
    QStringList written;
    for (const QString& name : sources) {
        const ArtWording wording = load_wording(art.filePath(name));
        const QString gfx =
            course_root + QStringLiteral("Lang_r/%1/gfx_r/").arg(wording.interface_language);
        written << write_picture(gfx + QStringLiteral("Main_rozum.jpg"), draw_main_menu(wording),
                                 "JPG");
        written << write_picture(gfx + QStringLiteral("koniec.bmp"), draw_exit_window(wording),
                                 "BMP");
        written << write_picture(gfx + QStringLiteral("wybor.jpg"), draw_chooser(wording), "JPG");
        written << write_picture(gfx + QStringLiteral("logowanie.bmp"),
                                 draw_learner_chooser(wording), "BMP");
        written << write_picture(gfx + QStringLiteral("logow_new.bmp"), draw_new_learner(wording),
                                 "BMP");
        written << write_picture(gfx + QStringLiteral("skasowacpowtorki.bmp"),
                                 draw_delete_repetitions(), "BMP");
        written << write_picture(gfx + QStringLiteral("ustawienia_rozum.bmp"), draw_options(),
                                 "BMP");
        written << write_picture(gfx + QStringLiteral("info.bmp"), draw_message_window(), "BMP");
        written << write_picture(gfx + QStringLiteral("twoja_odp_2.bmp"), draw_answer_popup(),
                                 "BMP");
        const QString buttons =
            course_root + QStringLiteral("Lang_r/%1/but_r/").arg(wording.interface_language);
        for (int number = 0; number < k_button_count; ++number) {
            written << write_picture(buttons + QStringLiteral("%1.bmp").arg(number),
                                     draw_button_strip(number, wording), "BMP");
        }
        written << write_media_buttons(buttons);
        written << write_help_language_pictures(course_root, wording.interface_language);
        written << write_task_language_pictures(gfx);
        written << write_information_language_pictures(gfx);
        written << write_dictionary_language_pictures(gfx);
        written << write_analyser_language_pictures(gfx, wording);
    }
    written << write_media_pictures(course_root);
    written << write_help_pictures(course_root);
    written << write_task_pictures(course_root);
    written << write_information_pictures(course_root);
    written << write_printout_pictures(course_root);
    written << write_analyser_pictures(course_root);
    written << write_drill_files(course_root);
    // The chooser's icons say nothing in words, so every language shares them.
    for (const IconPicture& icon : draw_chooser_icons()) {
        written << write_picture(course_root + QStringLiteral("gfx_r/wybor/") + icon.file,
                                 icon.image, "BMP");
    }
    return written;
}

} // namespace vimo
