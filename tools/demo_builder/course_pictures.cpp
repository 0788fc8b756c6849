#include "demo_builder/course_pictures.h"

#include "demo_builder/art_painting.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QMap>
#include <QPainterPath>

namespace vimo {

namespace {

// Backgrounds fill the screens left of their 100-pixel right-hand panel.
constexpr QSize k_background_size{924, 768};

// A picture name and the source line that first names it.
struct NamedPicture {
    QString name;
    int line = 0;
};
using PictureNames = QMap<QString, NamedPicture>; // in name order, each name once

struct SourceLines {
    QString path;
    QStringList lines;
};

SourceLines read_lines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {path, {}};
    return {path, decode_utf8_lines(file.readAll(), path)};
}

void add_name(PictureNames& names, const QString& name, int line) {
    if (!name.isEmpty() && !names.contains(name)) names.insert(name, {name, line});
}

// kursu.roz: fields 5 to 7 of every row are the answer pictures.
PictureNames answer_picture_names(const SourceLines& source) {
    PictureNames names;
    for (qsizetype i = 0; i < source.lines.size(); ++i) {
        const QStringList fields = source.lines[i].split(u'=');
        for (qsizetype f = 4; f < 7 && f < fields.size(); ++f) {
            add_name(names, fields[f].trimmed(), static_cast<int>(i + 1));
        }
    }
    return names;
}

// St_au.txt: four-line entries (blank lines before a header are skipped); field 3 of
// the "#"-separated header is the background name.
PictureNames task_background_names(const SourceLines& source) {
    PictureNames names;
    qsizetype i = 0;
    while (i < source.lines.size()) {
        if (source.lines[i].trimmed().isEmpty()) {
            ++i;
            continue;
        }
        const QStringList fields = source.lines[i].split(u'#');
        if (fields.size() > 2) add_name(names, fields[2].trimmed(), static_cast<int>(i + 1));
        i += 4;
    }
    return names;
}

// dialogi_au.txt: field 7 of a "D=" header is one prefix character and the name.
PictureNames dialogue_background_names(const SourceLines& source) {
    PictureNames names;
    for (qsizetype i = 0; i < source.lines.size(); ++i) {
        if (!source.lines[i].startsWith(QLatin1String("D="))) continue;
        const QStringList fields = source.lines[i].split(u'=');
        if (fields.size() > 6) add_name(names, fields[6].trimmed().mid(1), static_cast<int>(i + 1));
    }
    return names;
}

QColor tint_of(const QString& name) {
    const QByteArray hash = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Md5);
    return QColor::fromHsv(static_cast<unsigned char>(hash[0]) * 359 / 255, 70, 235);
}

// A light, quiet page: the screens paint black text over most of it.
QImage draw_background(const QString& name) {
    const QColor tint = tint_of(name);
    QImage image(k_background_size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient page(0, 0, 0, k_background_size.height());
    page.setColorAt(0, tint.lighter(112));
    page.setColorAt(0.15, QColor(252, 252, 250));
    page.setColorAt(1, QColor(246, 246, 242));
    painter.fillRect(image.rect(), page);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(tint.red(), tint.green(), tint.blue(), 90));
    painter.drawEllipse(QPointF(860, 40), 120, 120);
    QPainterPath hills;
    hills.moveTo(0, 768);
    hills.cubicTo(220, 700, 420, 760, 640, 728);
    hills.cubicTo(760, 712, 860, 730, 924, 716);
    hills.lineTo(924, 768);
    hills.closeSubpath();
    painter.drawPath(hills);
    painter.end();
    return image;
}

QImage draw_placeholder(int position) {
    QImage image(k_answer_picture_size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(180, 186, 196), 2, Qt::DashLine));
    painter.setBrush(QColor(244, 246, 250));
    painter.drawRoundedRect(QRectF(4, 4, 152, 192), 14, 14);
    draw_text(painter, QRectF(0, 50, 160, 100), QStringLiteral("?"), art_font(72, QFont::Bold),
              QColor(170, 178, 190));
    draw_text(painter, QRectF(0, 160, 160, 24), QString::number(position), art_font(14),
              QColor(170, 178, 190));
    painter.end();
    return image;
}

QStringList build_answer_pictures(const SourceLines& rows, const QString& root) {
    QStringList written;
    for (const NamedPicture& picture : answer_picture_names(rows)) {
        const std::optional<QImage> image = draw_answer_picture(picture.name);
        if (!image) {
            throw DemoSourceError(rows.path, picture.line,
                                  QStringLiteral("no drawing for the picture %1 (clock_HHMM, "
                                                 "price_PENCE, sun, cloud, rain, snow, umbrella, "
                                                 "key, ticket, cup, book)")
                                      .arg(picture.name));
        }
        written << write_picture(root + "Rozumienia_gfx_r/" + picture.name + ".bmp", *image, "BMP");
    }
    for (int k = 1; k <= 3; ++k) {
        written << write_picture(root + QStringLiteral("Rozumienia_gfx_r/tmp_%1.bmp").arg(k),
                                 draw_placeholder(k), "BMP");
    }
    return written;
}

QStringList build_backgrounds(const PictureNames& names, const QString& folder,
                              const QString& prefix, const char* format, const QString& fallback) {
    QStringList written;
    const QString extension = QLatin1String(format) == QLatin1String("BMP") ? ".bmp" : ".jpg";
    for (const NamedPicture& picture : names) {
        written << write_picture(folder + prefix + picture.name + extension,
                                 draw_background(picture.name), format);
    }
    written << write_picture(folder + fallback, draw_background(fallback), "JPG");
    return written;
}

} // namespace

QStringList build_course_pictures(const QString& source_dir, const QString& output_dir) {
    const QDir texts(QDir(source_dir).filePath(QStringLiteral("utf16")));
    const QString root = course_root_path(output_dir);
    QStringList written;
    const SourceLines rows = read_lines(texts.filePath(QStringLiteral("kursu.roz")));
    if (!rows.lines.isEmpty()) written << build_answer_pictures(rows, root);
    const SourceLines tasks = read_lines(texts.filePath(QStringLiteral("St_au.txt")));
    if (!tasks.lines.isEmpty()) {
        written << build_backgrounds(task_background_names(tasks), root + "teksty_gfx_r/", {},
                                     "JPG", QStringLiteral("bitmap_0.jpg"));
    }
    const SourceLines dialogues = read_lines(texts.filePath(QStringLiteral("dialogi_au.txt")));
    if (!dialogues.lines.isEmpty()) {
        written << build_backgrounds(dialogue_background_names(dialogues), root + "dialogi_tlo/",
                                     QStringLiteral("dial_tlo_"), "BMP", QStringLiteral("tmp.jpg"));
    }
    return written;
}

} // namespace vimo
