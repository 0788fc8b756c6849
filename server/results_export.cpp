#include "server/results_export.h"

#include "core/dates.h"
#include "core/encoding.h"
#include "server/csv.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace vimo::server {

namespace {

// One exported record: the texts already UTF-8, the numbers as numbers.
struct Row {
    std::vector<std::string> texts; // every column as text, for the CSV
    QJsonObject json;
};

bool is_dialogue_kind(std::uint8_t kind) {
    return kind >= 70 && kind <= 74;
}

// A dialogue record's title holds the dialogue name's UTF-16 bytes; every other text
// of a record is Windows-1250.
std::string title_text(const cw_Info& r) {
    if (!is_dialogue_kind(r.kind)) return cp1250_to_utf8(r.title);
    QString title;
    for (std::size_t i = 0; i + 1 < r.title.size(); i += 2) {
        const char16_t unit =
            static_cast<char16_t>(static_cast<unsigned char>(r.title[i]) |
                                  static_cast<unsigned char>(r.title[i + 1]) << 8);
        if (unit == 0) break;
        title += QChar(unit);
    }
    return title.trimmed().toStdString();
}

std::string clock_text(double time_of_day) {
    const double fraction = std::isfinite(time_of_day) ? time_of_day - std::floor(time_of_day) : 0;
    const long long s = std::min(86'399LL, std::llround(fraction * 86'400));
    char text[16];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", s / 3600, s / 60 % 60, s % 60);
    return text;
}

Row row_of(const Learner& l, const std::string& course, const cw_Info& r) {
    const std::vector<std::pair<std::string, QJsonValue>> values = {
        {l.login, QString::fromStdString(l.login)},
        {l.name, QString::fromStdString(l.name)},
        {l.klass, QString::fromStdString(l.klass)},
        {course, QString::fromStdString(course)},
        {cp1250_to_utf8(r.name), {}},
        {title_text(r), {}},
        {std::to_string(r.kind), int(r.kind)},
        {std::to_string(r.key), int(r.key)},
        {std::to_string(r.level), int(r.level)},
        {day_count_date_text(r.last_date), {}},
        {std::to_string(r.score), int(r.score)},
        {std::to_string(r.count), int(r.count)},
        {std::to_string(r.completed), int(r.completed)},
        {cp1250_to_utf8(r.group_name), {}},
        {clock_text(r.time_of_day), {}},
    };
    Row row;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto& [text, number] = values[i];
        row.texts.push_back(text);
        row.json.insert(QString::fromStdString(export_columns()[i]),
                        number.isNull() ? QJsonValue(QString::fromStdString(text)) : number);
    }
    return row;
}

} // namespace

const std::vector<std::string>& export_columns() {
    static const std::vector<std::string> columns = {
        "login", "name",      "class", "course", "item",      "title", "kind", "key",
        "level", "last_date", "score", "count",  "completed", "group", "time"};
    return columns;
}

void results_export(Database& db, const Arguments& args, std::ostream& out) {
    const std::string format = args.value("--format").value_or("csv");
    if (format != "csv" && format != "json") throw CommandError("--format takes csv or json");
    const auto login = args.value("--learner");
    const auto course_filter = args.value("--course");
    std::vector<Learner> learners = db.learners(args.value("--class"));
    if (login) {
        std::erase_if(learners, [&](const Learner& l) { return l.login != *login; });
        if (learners.empty()) throw CommandError("no learner " + *login);
    }
    if (format == "csv") out << csv_row(export_columns());
    QJsonArray all;
    for (const Learner& l : learners) {
        for (const std::string& course : db.result_courses(l.id)) {
            if (course_filter && course != *course_filter) continue;
            for (const std::string& raw : db.results(l.id, course)) {
                const Row row = row_of(l, course, decode_cw_info(raw).record);
                if (format == "csv")
                    out << csv_row(row.texts);
                else
                    all.append(row.json);
            }
        }
    }
    if (format == "json") out << QJsonDocument(all).toJson(QJsonDocument::Indented).toStdString();
}

} // namespace vimo::server
