// The start-up order of the tables and the word lists. The tables' loaders are split
// by the shape of their files: line_table_loaders.cpp (one entry a line),
// sentence_loader.cpp, entry_loaders.cpp (entries of several lines) and
// dialogue_loader.cpp, over the loops of loader_support.h.

#include "core/course_loaders.h"

#include "core/paths.h"

#include <QString>
#include <algorithm>
#include <filesystem>

namespace vimo {

namespace {

// NTFS lists a folder in the order of its names upper-cased unit by unit; the course's
// vocabulary items are numbered in that order.
bool medium_order(const std::string& a, const std::string& b) {
    const QString upper_a = QString::fromStdString(a).toUpper();
    const QString upper_b = QString::fromStdString(b).toUpper();
    if (upper_a != upper_b) return upper_a < upper_b;
    return a < b;
}

bool is_word_list_name(const std::string& name) {
    return QString::fromStdString(name).endsWith(".bc4", Qt::CaseInsensitive);
}

std::vector<std::string> all_word_lists(const std::string& course_root) {
    namespace fs = std::filesystem;
    std::vector<std::string> names;
    std::error_code ec;
    fs::directory_iterator it(resolve_path(course_root + "cw_r"), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code type_ec;
        if (!it->is_regular_file(type_ec)) continue;
        std::string name = it->path().filename().string();
        if (is_word_list_name(name)) names.push_back(std::move(name));
    }
    std::sort(names.begin(), names.end(), medium_order);
    return names;
}

} // namespace

void load_course_tables(const Config& config, CourseTables& tables, CourseProblems& problems) {
    load_phrases(config, tables, problems);
    load_comprehension_texts(config, tables, problems);
    load_sentences(config, tables, problems);
    load_catalogue(config, tables, problems);
    load_comprehension_rows(config, tables, problems);
    load_recording_rows(config, tables, problems);
    load_drag_rows(config, tables, problems);
    load_dialogues(config, tables, problems);
    load_letters(config, tables, problems);
    load_glossary(config, tables, problems);
    load_tasks(config, tables, problems);
    load_open_tasks(config, tables, problems);
    check_word_lists(config.course_root, problems);
}

std::vector<std::string> list_word_lists(const std::string& course_root) {
    std::vector<std::string> names = all_word_lists(course_root);
    if (names.size() > static_cast<std::size_t>(table_capacity::word_lists))
        names.resize(table_capacity::word_lists);
    return names;
}

void check_word_lists(const std::string& course_root, CourseProblems& problems) {
    const std::vector<std::string> names = all_word_lists(course_root);
    if (names.size() <= static_cast<std::size_t>(table_capacity::word_lists)) return;
    const std::string folder = resolve_path(course_root + "cw_r");
    problems.error(course_relative_name(course_root, folder), 0,
                   "more than " + std::to_string(table_capacity::word_lists) +
                       " word lists (*.bc4): the course lists the first " +
                       std::to_string(table_capacity::word_lists) + "; " +
                       names[table_capacity::word_lists] + " and the ones after it are left out");
}

} // namespace vimo
