#include "navigation/chooser_view.h"

#include "controls/MyImageList.h"
#include "core/exercise_kinds.h"
#include "core/qt_text.h"

#include <QFontMetrics>

namespace vimo {

namespace {

constexpr std::array<int, 4> kNodeKindPictures{node_kind::video_text, node_kind::recorded_text,
                                               node_kind::page_text, node_kind::vocabulary};
constexpr int kIconTop = 2;
constexpr int kBarTop = 4;

QImage picture(const std::string& folder, const std::string& name) {
    return load_masked_picture(folder + name + ".bmp");
}

void draw_icon(QPainter& painter, int x, int y, const QImage& image) {
    if (!image.isNull()) painter.drawImage(QPoint(x, y + kIconTop), image);
}

const QImage* find_picture(const std::map<int, QImage>& pictures, int key) {
    const auto found = pictures.find(key);
    return found == pictures.end() ? nullptr : &found->second;
}

void draw_text(QPainter& painter, int x, int y, int width, const QString& text,
               const QColor& colour) {
    painter.setPen(colour);
    painter.drawText(QRect(x, y, width, kRowHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
}

void paint_row(QPainter& painter, const VisibleRow& row, int y, int mode,
               const ChooserPictures& pictures, const QFontMetrics& metrics) {
    const ChooserNode& node = *row.node;
    if (node.has_children())
        draw_icon(painter, row.caption_x - kExpanderOffset, y,
                  node.expanded ? pictures.minus : pictures.plus);
    const int caption_width = kCaptionRight - row.caption_x;
    const QString caption =
        metrics.elidedText(uni_to_qstring(caption_to_paint(node)), Qt::ElideRight, caption_width);
    draw_text(painter, row.caption_x, y, caption_width, caption, Qt::black);

    const RowMarks marks = row_marks(node, mode);
    if (marks.kind_icon) {
        const auto& table = node.row_level == kItemRow ? pictures.node_kinds : pictures.kind_codes;
        if (const QImage* image = find_picture(table, *marks.kind_icon))
            draw_icon(painter, kKindIconX, y, *image);
    }
    if (marks.level_icon)
        draw_icon(painter, kLevelIconX, y,
                  pictures.levels[static_cast<std::size_t>(*marks.level_icon - 1)]);
    draw_icon(painter, kDoneIconX, y, marks.done ? pictures.done : pictures.not_done);
    if (marks.last_date)
        draw_text(painter, kLastDateX, y, kRepetitionDateX - kLastDateX,
                  QString::fromStdString(*marks.last_date), kLastDateColour);
    if (marks.repetition_date)
        draw_text(painter, kRepetitionDateX, y, kScoreX - kRepetitionDateX,
                  QString::fromStdString(*marks.repetition_date), Qt::black);
    if (marks.score) {
        draw_text(painter, kScoreX, y, kBarX - kScoreX, QString::number(*marks.score) + '%',
                  kScoreColour);
        if (!pictures.bar_back.isNull())
            painter.drawImage(QPoint(kBarX, y + kBarTop), pictures.bar_back);
        const Bar bar = score_bar(*marks.score);
        const QImage& piece = pictures.bars[static_cast<std::size_t>(bar.piece)];
        if (bar.width > 0 && !piece.isNull())
            painter.drawImage(QPoint(kBarX + 1, y + kBarTop), piece,
                              QRect(0, 0, bar.width, piece.height()));
    }
}

} // namespace

ChooserPictures load_chooser_pictures(const std::string& course_root) {
    const std::string folder = course_root + "gfx_r\\wybor\\";
    ChooserPictures pictures;
    pictures.plus = picture(folder, "plus");
    pictures.minus = picture(folder, "minus");
    for (const int kind : kNodeKindPictures)
        pictures.node_kinds[kind] = picture(folder, "node_" + std::to_string(kind));
    for (const ExerciseKind& kind : exercise_kinds()) {
        if (!kind.has_icon) continue;
        const int code = static_cast<unsigned char>(kind.code);
        pictures.kind_codes[code] = picture(folder, "code_" + std::to_string(code));
    }
    for (std::size_t level = 0; level < pictures.levels.size(); ++level)
        pictures.levels[level] = picture(folder, "level_" + std::to_string(level + 1));
    pictures.done = picture(folder, "done");
    pictures.not_done = picture(folder, "not_done");
    pictures.bar_back = picture(folder, "bar_back");
    for (std::size_t piece = 0; piece < pictures.bars.size(); ++piece)
        pictures.bars[piece] = picture(folder, "bar_" + std::to_string(piece + 1));
    pictures.up = picture(folder, "up");
    pictures.down = picture(folder, "down");
    return pictures;
}

QFont chooser_font() {
    QFont font("Verdana");
    font.setPointSize(10);
    return font;
}

void paint_chooser_rows(QPainter& painter, const std::vector<VisibleRow>& rows, int first_visible,
                        int mode, int highlight_row, const ChooserPictures& pictures) {
    painter.setFont(chooser_font());
    const QFontMetrics metrics(painter.font());
    const int row_count = static_cast<int>(rows.size());
    const int painted = painted_row_count(row_count, first_visible);
    for (int index = first_visible; index < first_visible + painted; ++index) {
        const int y = row_y(index, first_visible);
        if (index == highlight_row)
            painter.fillRect(QRect(0, y, kChooserListSize.width(), kRowHeight), kHighlightColour);
        paint_row(painter, rows[static_cast<std::size_t>(index)], y, mode, pictures, metrics);
    }
}

} // namespace vimo
