#include "navigation/results_printout.h"

#include "core/exercise_kinds.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "html/printing.h"

#include <QUrl>

namespace vimo {

namespace {

constexpr int kColumns = 7;
constexpr const char* kNbsp = "&nbsp;";
constexpr const char* kTitle =
    "Lexaro Vimo - Rozumienie ze słuchu i Konwersacje - Zestawienie wyników";

// The address the viewer loads a course file from: its resolved path as a file URL,
// ready to stand in an attribute.
QString file_address(const std::string& course_root, std::string_view name) {
    const std::string path = resolve_path(course_root + std::string(name));
    return QUrl::fromLocalFile(QString::fromStdString(path))
        .toString(QUrl::FullyEncoded)
        .toHtmlEscaped();
}

QString picture(const std::string& course_root, std::string_view file) {
    return "<IMG src=\"" + file_address(course_root, "htm_r\\" + std::string(file)) + "\">";
}

QString cell(const QString& content) {
    return "<TD>" + content + "</TD>";
}

QString head(const std::string& course_root) {
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
           "<link rel=\"stylesheet\" type=\"text/css\" href=\"" +
           file_address(course_root, "htm_r\\style.css") +
           // Seven columns on a page: a smaller type than the pages' keeps the header
           // words and the dates whole.
           "\"><style>td { font-size: 8pt; }</style></head><body><TABLE width=\"100%\" "
           "cellpadding=\"2\">";
}

QString spanning_row(const QString& content) {
    return QStringLiteral("<TR><TD colspan=\"%1\">").arg(kColumns) + content + "</TD></TR>";
}

QString header_row(int interface_language) {
    // Every column's share of the paper: left to itself the table gives each the same
    // share and the captions break after every word; these leave room for the header
    // words and the dates on one line.
    static constexpr std::array<int, kColumns> kWidths{27, 11, 10, 14, 13, 13, 12};
    QString row = "<TR>";
    std::size_t column = 0;
    for (const QString& word : results_header_words(interface_language))
        row += QStringLiteral("<TD width=\"%1%\"><B>").arg(kWidths[column++]) + word + "</B></TD>";
    return row + "</TR>";
}

QString caption_cell(const ChooserNode& node) {
    QString indent;
    for (int level = 1; level < node.row_level; ++level)
        indent += "&nbsp;&nbsp;&nbsp;";
    return cell(indent + uni_to_qstring(caption_to_paint(node)).toHtmlEscaped());
}

QString level_cell(const ChooserNode& node, const std::string& course_root) {
    if (node.row_level == kGroupRow || node.level < 1 || node.level > 4) return cell({});
    return cell(picture(course_root, "poziom" + std::to_string(node.level) + ".jpg"));
}

QString date_cell(const std::string& date) {
    if (date.empty()) return cell(kNbsp);
    // A date would otherwise break at its hyphens.
    return "<TD nowrap>" + QString::fromStdString(date).toHtmlEscaped() + "</TD>";
}

QString body_row(const ChooserNode& node, const std::string& course_root) {
    const std::string_view kind_picture = results_kind_picture(node);
    const bool dated = node.row_level == kLeafRow && node.done;
    return "<TR>" + caption_cell(node) +
           cell(kind_picture.empty() ? QString() : picture(course_root, kind_picture)) +
           level_cell(node, course_root) +
           cell(picture(course_root, node.done ? "ruszone.jpg" : "ruszonenie.jpg")) +
           date_cell(dated ? node.last_date : std::string()) + date_cell(node.repetition_date) +
           cell(QString::number(node.score) + "%") + "</TR>";
}

} // namespace

std::array<QString, 7> results_header_words(int interface_language) {
    switch (interface_language) {
    case 0:
        return {"Ćwiczenie",         "Zadanie",  "Poziom", "Wykonane?",
                "Ostatnio wykonane", "Powtórka", "Wynik"};
    case 1:
        return {"Exercise", "Task", "Level", "Done", "Last done", "Repetition", "Result"};
    case 4:
        return {"Ejercicio", kNbsp, "Nivel", "¿Hecho?", "La última vez", "Repetición", "Resultado"};
    default:
        return {};
    }
}

std::string_view results_kind_picture(const ChooserNode& node) {
    if (node.row_level == kItemRow) {
        switch (node.kind) {
        case node_kind::video_text:
            return "1_film.jpg";
        case node_kind::recorded_text:
            return "2_nagranie.jpg";
        case node_kind::page_text:
            return "3_tekst.jpg";
        case node_kind::vocabulary:
        case node_kind::sentences:
            return "7_slowka.jpg";
        default:
            return {};
        }
    }
    if (node.row_level != kLeafRow || node.kind < 0 || node.kind > 255) return {};
    const ExerciseKind* kind = exercise_kind(static_cast<char>(node.kind));
    return kind ? kind->printout_picture : std::string_view{};
}

QString results_printout(const ChooserNode& root, int interface_language,
                         const std::string& course_root) {
    QString html = head(course_root);
    html += spanning_row("<BR><B>" + QString::fromUtf8(kTitle) + "</B><BR>");
    html += header_row(interface_language);
    for (const VisibleRow& row : visible_rows(root))
        html += body_row(*row.node, course_root);
    html +=
        spanning_row("<BR><BR><B>" + QString::fromUtf8(kCopyrightLine).toHtmlEscaped() + "</B>");
    return html + "</TABLE></body></html>";
}

} // namespace vimo
