#include "demo_builder/artwork.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"

#include <QDir>
#include <QFile>

namespace vimo {

namespace {

constexpr int k_jpeg_quality = 90;

ArtWording load_wording(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw DemoSourceError(path, 0, QStringLiteral("cannot be read: ") + file.errorString());
    }
    return read_art_wording(file.readAll(), path);
}

QString write_picture(const QString& path, const QImage& image, const char* format,
                      int quality = -1) {
    const QByteArray bytes = encoded_image(image, format, quality);
    if (bytes.isEmpty())
        throw DemoSourceError(path, 0, QStringLiteral("picture cannot be encoded"));
    write_file_atomically(path, bytes);
    return path;
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
                                 "JPG", k_jpeg_quality);
        written << write_picture(gfx + QStringLiteral("koniec.bmp"), draw_exit_window(wording),
                                 "BMP");
    }
    return written;
}

} // namespace vimo
