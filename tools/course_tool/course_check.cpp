#include "course_tool/course_check.h"

#include "core/course_loaders.h"
#include "core/course_state.h"
#include "core/encoding.h"
#include "core/interface_texts.h"
#include "core/loader_support.h"
#include "core/paths.h"
#include "core/startup.h"
#include "core/text_file.h"
#include "exercises/stand_alone/vocabulary.h"
#include "exercises/tasks/definitions.h"
#include "exercises/tasks/matching.h"
#include "exercises/tasks/multiple_choice.h"
#include "exercises/tasks/ordering.h"
#include "exercises/tasks/sorting.h"
#include "results/results_store.h"

#include <algorithm>
#include <utility>

namespace vimo {

namespace {

std::string relative_name(const Config& config, const std::string& course_path) {
    return course_relative_name(config.course_root, course_path);
}

// Each folder's tables are loaded as the program loads them when that language is
// chosen, so the checker reports what the program would.
void check_language_folders(LoadedCourse& course) {
    const std::vector<int> languages = available_languages(course.config.course_root);
    if (languages.empty()) {
        course.problems.error("Lang_r", 0,
                              "no interface-language folder Lang_r\\0\\ .. Lang_r\\4\\");
    }
    for (const int language : languages) {
        CourseState state;
        state.config = course.config;
        set_interface_language(state.config, language);
        load_language_tables(state, course.problems);
        if (language == course.config.language_number) {
            course.tables.groups = std::move(state.tables.groups);
        }
    }
}

bool media_exists(const Config& config, const std::string& relative) {
    return path_exists(config.media_root + relative);
}

bool course_file_exists(const Config& config, const std::string& relative) {
    return path_exists(config.course_path(relative));
}

void warn_about_texts(const LoadedCourse& course, CourseProblems& problems) {
    const Config& config = course.config;
    const std::string texts_file = relative_name(
        config, config.course_path(std::string("rozumienia_") + config.variant_letter + ".txt"));
    const std::string tasks_file = relative_name(
        config, config.course_path(std::string("St_") + config.variant_letter + "u.txt"));
    for (const ComprehensionText& text : course.tables.texts) {
        const auto first_task = std::find_if(
            course.tables.tasks.begin(), course.tables.tasks.end(),
            [&text](const TaskEntry& task) { return task.text_number == text.number; });
        if (first_task == course.tables.tasks.end()) {
            problems.warning(texts_file, text.line,
                             "text " + std::to_string(text.number) + " has no task in " +
                                 tasks_file);
            continue;
        }
        const std::string name = cp1250_to_utf8(first_task->media_name);
        if (!course_file_exists(config, "Teksty_mpg_r\\" + name + ".mpg") &&
            !course_file_exists(config, "Teksty_htm_r\\" + name + ".htm") &&
            !media_exists(config, "Teksty_wav\\" + name + ".wav")) {
            problems.warning(tasks_file, first_task->line,
                             "text " + std::to_string(text.number) + " (" + name +
                                 "): no film Teksty_mpg_r/" + name + ".mpg, page Teksty_htm_r/" +
                                 name + ".htm or recording Teksty_wav/" + name + ".wav");
        }
    }
    for (const TaskEntry& task : course.tables.tasks) {
        const bool known = std::any_of(
            course.tables.texts.begin(), course.tables.texts.end(),
            [&task](const ComprehensionText& text) { return text.number == task.text_number; });
        if (!known) {
            problems.warning(tasks_file, task.line,
                             "a " + task.kind + " task names text " +
                                 std::to_string(task.text_number) + ", which is not in " +
                                 texts_file);
        }
    }
}

void warn_about_letters_and_dialogues(const LoadedCourse& course, CourseProblems& problems) {
    const Config& config = course.config;
    const std::string index = relative_name(config, config.course_path("Listy_r\\index.txt"));
    for (const Letter& letter : course.tables.letters) {
        const std::string page = "Listy_r\\" + cp1250_to_utf8(letter.file) + ".htm";
        if (!course_file_exists(config, page)) {
            problems.warning(index, letter.line,
                             "the letter page " + normalize_separators(page) + " does not exist");
        }
    }
    const std::string dialogues = relative_name(
        config, config.course_path(std::string("dialogi_") + config.variant_letter + "u.txt"));
    for (const Dialogue& dialogue : course.tables.dialogues) {
        for (const DialogueLine& line : dialogue.lines) {
            const std::string sound =
                uni_narrow(uni_trim(line.sound), 1, static_cast<int>(line.sound.size()));
            if (sound.empty()) continue;
            const std::string path = "Dialogi\\" + cp1250_to_utf8(sound) + ".wav";
            if (!media_exists(config, path)) {
                problems.warning(dialogues, line.line,
                                 "the recording " + normalize_separators(path) + " does not exist");
            }
        }
    }
}

// The fields of line from field first on, up to the first blank one: what the parsers
// of the one-item-per-field kinds would read if no table stopped them.
int fields_before_blank(std::string_view line, int first) {
    int n = first;
    while (!uni_is_blank(uni_field(n, line, u'#')))
        ++n;
    return n - first;
}

// The pairs parse_matching would read from content without its limit: every field
// that holds a "*" (the others are left out, the pairs after them still count).
int matching_pairs(std::string_view content) {
    const int fields = loading::count_units(content, u'#') + 1;
    int pairs = 0;
    for (int n = 1; n <= fields; ++n) {
        if (uni_find(1, uni_field(n, content, u'#'), "*", true) >= 0) ++pairs;
    }
    return pairs;
}

// Where a task's content is at fault: its content line, which follows the header.
class TaskWarnings {
public:
    TaskWarnings(const std::string& file, const TaskEntry& task, CourseProblems& problems)
        : m_file(file), m_task(task), m_problems(problems) {}

    // "the DD task of text 3"
    std::string task_name() const {
        return "the " + m_task.kind + " task of text " + std::to_string(m_task.text_number);
    }
    void warn(const std::string& message) const {
        m_problems.warning(m_file, m_task.line + 1, message);
    }
    void warn_about_count(int found, int limit, const char* items) const {
        if (found <= limit) return;
        warn(task_name() + " has " + std::to_string(found) + " " + items + ": only the first " +
             std::to_string(limit) + " are read");
    }

private:
    const std::string& m_file;
    const TaskEntry& m_task;
    CourseProblems& m_problems;
};

void warn_about_ordering(const TaskEntry& task, const TaskWarnings& warnings) {
    warnings.warn_about_count(fields_before_blank(task.kind_line, 2), Ordering::kMaxWords, "words");
    const std::vector<OrderWord> words = parse_ordering(task.kind_line);
    if (rows_are_a_permutation(words)) return;
    std::string rows;
    for (const OrderWord& word : words) {
        if (!rows.empty()) rows += ", ";
        rows += word.row > 0 ? std::to_string(word.row) : "-";
    }
    warnings.warn(warnings.task_name() + " gives the rows " + rows + ", not 1 to " +
                  std::to_string(words.size()) +
                  " once each: the program takes the file order as the right order");
}

// A table size outside 1 .. limit; the parser cuts it into that range.
void warn_about_table_size(int found, int limit, const char* what, const TaskWarnings& warnings) {
    if (found >= 1 && found <= limit) return;
    const std::string range = "1 to " + std::to_string(limit);
    warnings.warn(warnings.task_name() + " gives " + std::to_string(found) + " " + what +
                  (found == 0 ? ", not " + range
                              : ", more than " + std::to_string(limit) +
                                    ": the program cuts them to " + std::to_string(limit)));
}

void warn_about_sorting(const TaskEntry& task, const TaskWarnings& warnings) {
    const SortingContent content = parse_sorting(task.kind_line);
    warn_about_table_size(content.columns_given, Sorting::kMaxColumns, "columns", warnings);
    warn_about_table_size(content.rows_given, Sorting::kMaxRows, "rows", warnings);
    warnings.warn_about_count(content.words_given, Sorting::kMaxWords, "words");
    // Without columns every word misses them, and without rows every column overflows:
    // the size's own warning says it once.
    if (content.columns == 0) return;
    std::vector<int> per_column(static_cast<std::size_t>(content.columns) + 1, 0);
    for (const SortWord& word : content.words) {
        ++per_column[static_cast<std::size_t>(word.column)];
        if (word.column != 0) continue;
        warnings.warn("the word " + loading::shown16(word.text) + " of " + warnings.task_name() +
                      " names none of its columns 1 to " + std::to_string(content.columns));
    }
    if (content.rows == 0) return;
    for (int c = 1; c <= content.columns; ++c) {
        const int words = per_column[static_cast<std::size_t>(c)];
        if (words <= content.rows) continue;
        warnings.warn("column " + std::to_string(c) + " (" +
                      loading::shown16(content.titles[static_cast<std::size_t>(c) - 1]) + ") of " +
                      warnings.task_name() + " has " + std::to_string(words) + " words for its " +
                      std::to_string(content.rows) + " cells: the correction can place only " +
                      std::to_string(content.rows) + " of them");
    }
}

void warn_about_task_contents(const LoadedCourse& course, CourseProblems& problems) {
    const Config& config = course.config;
    const std::string tasks_file = relative_name(
        config, config.course_path(std::string("St_") + config.variant_letter + "u.txt"));
    for (const TaskEntry& task : course.tables.tasks) {
        const TaskWarnings warnings(tasks_file, task, problems);
        // A task of an unknown kind is reported where the task list is loaded.
        if (task.kind == "DV") {
            warn_about_ordering(task, warnings);
        } else if (task.kind == "DD") {
            warn_about_sorting(task, warnings);
        } else if (task.kind == "HH") {
            warnings.warn_about_count(matching_pairs(task_content(task.kind_line)),
                                      Matching::kMaxPairs, "pairs");
        } else if (task.kind == "DF") {
            warnings.warn_about_count(fields_before_blank(task.kind_line, 2),
                                      Definitions::kMaxPairs, "pairs");
        }
    }
}

// Every word list: the second line that a new learner's results need, and each record
// as the vocabulary drill reads it.
void check_word_list_files(const LoadedCourse& course, CourseProblems& problems) {
    const Config& config = course.config;
    for (const std::string& name : list_word_lists(config.course_root)) {
        const std::string path = config.course_path("cw_r\\" + name);
        const std::string file = relative_name(config, path);
        const std::optional<std::vector<std::string>> lines = read_8bit_lines(resolve_path(path));
        if (!lines) continue;
        try {
            word_list_place(lines->size() >= 2 ? (*lines)[1] : std::string());
        } catch (const ConversionError& error) {
            problems.error(file, 2,
                           "expected the level in characters 7 and 8 and the group in 9 and 10, "
                           "found \"" +
                               error.text() + "\": no new learner can be created");
        }
        try {
            const std::optional<WordFile> words = load_word_file(path, config.course_variant);
            if (words && words->drill_ids.empty())
                problems.warning(file, 0,
                                 "no record carries the drill mark \"cw\": the "
                                 "list's exercises do not open");
        } catch (const CourseFileError& error) {
            problems.error(file, error.line(), error.problem());
        }
    }
}

} // namespace

LoadedCourse load_course_for_check(const std::string& course_root) {
    LoadedCourse course;
    const Configuration configuration = configure(course_root);
    course.config = configuration.config;
    for (const StartupMessage& message : configuration.messages) {
        if (message.warning) continue;
        course.problems.error(
            relative_name(course.config, message.detail.empty() ? course_root : message.detail), 0,
            message.text);
    }
    if (configuration.stop != StartupStop::none) return course;
    set_interface_language(course.config, startup_language(course.config));
    check_language_folders(course);
    load_course_tables(course.config, course.tables, course.problems);
    load_dictionary_for_check(course);
    return course;
}

void load_dictionary_for_check(LoadedCourse& course) {
    const DictionaryLoad outcome = slownik_load(course.config, course.dictionary, course.problems);
    if (outcome.stop != StartupStop::terminate) return;
    course.problems.error(outcome.file, outcome.first_left_out_line,
                          "more than " + std::to_string(DictionaryTable::capacity) +
                              " dictionary entries: the table holds " +
                              std::to_string(DictionaryTable::capacity) +
                              ", this line and the rest are left out, and the program ends "
                              "after start-up with \"" +
                              dictionary_too_long_message + "\"");
}

void add_reference_warnings(const LoadedCourse& course, CourseProblems& problems) {
    warn_about_texts(course, problems);
    warn_about_letters_and_dialogues(course, problems);
    warn_about_task_contents(course, problems);
    check_word_list_files(course, problems);
}

int check_course(const std::string& course_root, std::ostream& out, std::ostream& err) {
    const CourseRootChoice choice = find_course_root("", {"--course-root", course_root});
    if (choice.failure) {
        err << choice.failure->text << ": " << choice.failure->detail << '\n';
        return 1;
    }
    LoadedCourse course = load_course_for_check(choice.root);
    CourseProblems problems = course.problems;
    add_reference_warnings(course, problems);
    for (const CourseProblem& problem : problems.all())
        out << problem.text() << '\n';
    return problems.has_errors() ? 1 : 0;
}

} // namespace vimo
