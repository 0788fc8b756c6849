#include "course_tool/course_tool.h"

#include "core/course_loaders.h"
#include "core/dates.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/startup.h"
#include "core/text_file.h"
#include "course_tool/course_check.h"
#include "course_tool/json_lines.h"
#include "dictionary/dictionary.h"
#include "exercises/stand_alone/vocabulary.h"
#include "repetitions/repetition_store.h"
#include "results/record_file.h"
#include "results/results_store.h"

#include <QDir>
#include <algorithm>
#include <functional>
#include <map>
#include <optional>

namespace vimo {

namespace {

const char* const tool_help =
    "Usage: vimo-course COMMAND ARGUMENT\n"
    "\n"
    "The course tool of Lexaro Vimo, for course authors and teachers.\n"
    "\n"
    "Commands:\n"
    "  check COURSE_ROOT       load every table as the program does and list the problems\n"
    "  items COURSE_ROOT       the results records a new learner gets, as JSON Lines\n"
    "  results FILE            a learner's results file, as JSON Lines\n"
    "  repetitions FILE        a learner's repetition file, as JSON Lines\n"
    "  words COURSE_ROOT NAME [--drill]  the word list cw_r\\NAME.bc4, as JSON Lines\n"
    "  lookup COURSE_ROOT (--word WORD | --letter L | --query TEXT [--translations]\n"
    "         [--whole-words])  the dictionary window's look-up, as JSON Lines\n"
    "\n"
    "vimo-course COMMAND --help tells more about a command.\n";

const std::map<std::string, std::string> command_help{
    {"check",
     "Usage: vimo-course check COURSE_ROOT\n"
     "\n"
     "Loads every table of the course as the program does at start-up and prints one line\n"
     "per problem on standard output:\n"
     "  FILE:LINE: error: message     what stops or breaks the program\n"
     "  FILE:LINE: warning: message   legal, but likely a mistake (a missing recording,\n"
     "                                picture, page or word list; a task of no text; a text\n"
     "                                without tasks; a catalogue entry of an unknown type;\n"
     "                                a blank or short line of the dictionary; a word\n"
     "                                list without drilled words)\n"
     "FILE is relative to COURSE_ROOT; LINE counts from 1 and is 0 for the whole file.\n"
     "Exit status: 0 without errors (warnings allowed), 1 with errors.\n"},
    {"items",
     "Usage: vimo-course items COURSE_ROOT\n"
     "\n"
     "Prints, one JSON object per line in record order, the results records that a new\n"
     "learner of the course gets: n, name, kind, key, level, group_id, group_name, title.\n"},
    {"results",
     "Usage: vimo-course results FILE\n"
     "\n"
     "Prints a results file (560-byte records), one JSON object per record: n, name, title,\n"
     "kind, key, level, last_date, score, count, completed, group_id, server_text,\n"
     "server_value1, server_value2, time_of_day, group_name, mode, pack_text.\n"
     "A file that ends in a partial record: its whole records are printed, the partial one\n"
     "is reported on standard error and the exit status is 1.\n"},
    {"repetitions",
     "Usage: vimo-course repetitions FILE\n"
     "\n"
     "Prints a repetition file (144-byte records), one JSON object per record: n, name,\n"
     "kind, task_id, interval, due, last_done, task_pos.\n"
     "A file that ends in a partial record: its whole records are printed, the partial one\n"
     "is reported on standard error and the exit status is 1.\n"},
    {"words",
     "Usage: vimo-course words COURSE_ROOT NAME [--drill]\n"
     "\n"
     "Reads the word list cw_r\\NAME.bc4 as the vocabulary drill reads it and prints one\n"
     "JSON object per word record, in record order: n, group, sound_kind, word_id,\n"
     "word_class, word, translation, third_form, alternatives, note, sound, drill,\n"
     "example_id (texts in UTF-8: the word and the alternatives decoded in the course's\n"
     "character set, the Polish fields as Windows-1250).\n"
     "With --drill it prints the drill list instead: one {\"position\", \"record\"} per line.\n"
     "Exit status: 0; 1 when the file cannot be read; 2 on bad arguments.\n"},
    {"lookup",
     "Usage: vimo-course lookup COURSE_ROOT (--word WORD | --letter L |\n"
     "                                       --query TEXT [--translations] [--whole-words])\n"
     "\n"
     "Runs the dictionary window's search on the course's slowniku.txt and prints the\n"
     "results in display order, one JSON object per line: line (in slowniku.txt, from 1),\n"
     "number, label, headword, second, translation.\n"
     "  --word WORD      the small window's look-up of a right-clicked word\n"
     "  --letter L       the entries filed under index letter L (1 for \"...\")\n"
     "  --query TEXT     the full window's search in the headwords, or with\n"
     "                   --translations in the translations; --whole-words lists only\n"
     "                   the entries equal to TEXT\n"
     "Exit status: 0; 1 when the course root or its dictionary cannot be read; 2 on bad\n"
     "arguments. Problems of dictionary lines go to standard error.\n"},
};

std::string time_text(double day_fraction) {
    const std::string both = day_count_date_time_text(day_fraction);
    return both.size() > 11 ? both.substr(11) : both;
}

std::string cw_info_line(int n, const cw_Info& r) {
    return JsonLine()
        .number("n", n)
        .text("name", record_text(r.name))
        .text("title", record_text(r.title))
        .number("kind", r.kind)
        .number("key", r.key)
        .number("level", r.level)
        .text("last_date", day_count_date_time_text(r.last_date))
        .number("score", r.score)
        .number("count", r.count)
        .number("completed", r.completed)
        .text("group_id", record_text(r.group_id))
        .text("server_text", record_text(r.server_text))
        .number("server_value1", r.server_value_1)
        .number("server_value2", r.server_value_2)
        .text("time_of_day", time_text(r.time_of_day))
        .text("group_name", record_text(r.group_name))
        .number("mode", r.mode)
        .text("pack_text", record_text(r.pack_text))
        .str();
}

std::string item_line(int n, const cw_Info& r) {
    return JsonLine()
        .number("n", n)
        .text("name", record_text(r.name))
        .number("kind", r.kind)
        .number("key", r.key)
        .number("level", r.level)
        .text("group_id", record_text(r.group_id))
        .text("group_name", record_text(r.group_name))
        .text("title", record_text(r.title))
        .str();
}

std::string repetition_line(int n, const Repetition& r) {
    return JsonLine()
        .number("n", n)
        .text("name", record_text(r.name))
        .number("kind", r.kind)
        .number("task_id", r.task_id)
        .number("interval", r.interval)
        .text("due", day_count_date_time_text(r.due))
        .text("last_done", day_count_date_text(r.last_done))
        .number("task_pos", r.task_pos)
        .str();
}

// Prints every whole record of a record file; a partial last record is reported.
int dump_records(const std::string& path, std::size_t record_size,
                 const std::function<std::string(int, std::string_view)>& line, std::ostream& out,
                 std::ostream& err) {
    std::optional<std::string> bytes;
    try {
        bytes = read_record_file(path);
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
    if (!bytes) {
        err << path << ": the file does not exist\n";
        return 1;
    }
    const std::size_t whole = bytes->size() / record_size;
    for (std::size_t i = 0; i < whole; ++i) {
        out << line(static_cast<int>(i + 1),
                    std::string_view(*bytes).substr(i * record_size, record_size))
            << '\n';
    }
    const std::size_t rest = bytes->size() % record_size;
    if (rest == 0) return 0;
    err << path << ": record " << whole + 1 << " is partial: " << rest << " of " << record_size
        << " bytes\n";
    return 1;
}

int items(const std::string& root, std::ostream& out, std::ostream& err) {
    const CourseRootChoice choice = find_course_root("", {"--course-root", root});
    if (choice.failure) {
        err << choice.failure->text << ": " << choice.failure->detail << '\n';
        return 1;
    }
    LoadedCourse course = load_course_for_check(choice.root);
    if (course.problems.has_errors()) {
        for (const CourseProblem& problem : course.problems.all()) {
            if (problem.severity == Severity::error) err << problem.text() << '\n';
        }
        return 1;
    }
    ResultsStore store;
    const SystemClock clock;
    try {
        store.results_build(course.tables, course.config,
                            list_word_lists(course.config.course_root), clock);
    } catch (const std::exception& error) {
        err << error.what() << '\n';
        return 1;
    }
    int n = 0;
    for (const cw_Info& record : store.records())
        out << item_line(++n, record) << '\n';
    return 0;
}

struct LookupRequest {
    std::string root;
    std::optional<std::string> word;
    std::optional<char16_t> letter;
    std::optional<std::string> query;
    DictionaryChecks checks;
};

// The letter of --letter: one character, A-Z lower-cased as the index letters are.
std::optional<char16_t> index_letter(const std::string& text) {
    const QString letter = QString::fromStdString(text);
    if (letter.size() != 1) return std::nullopt;
    const char16_t unit = letter.front().unicode();
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

// The request of lookup's arguments (after the command), or nullopt when they are bad.
std::optional<LookupRequest> lookup_request(const std::vector<std::string>& arguments) {
    if (arguments.empty() || arguments.front().rfind("--", 0) == 0) return std::nullopt;
    LookupRequest request;
    request.root = arguments.front();
    bool flags = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--translations" || option == "--whole-words") {
            (option == "--translations" ? request.checks.translations
                                        : request.checks.whole_words) = true;
            flags = true;
            continue;
        }
        if (i + 1 >= arguments.size()) return std::nullopt;
        const std::string& value = arguments[++i];
        if (option == "--word" && !request.word) {
            request.word = value;
        } else if (option == "--query" && !request.query) {
            request.query = value;
        } else if (option == "--letter" && !request.letter) {
            request.letter = index_letter(value);
            if (!request.letter) return std::nullopt;
        } else {
            return std::nullopt;
        }
    }
    const int kinds = int(request.word.has_value()) + int(request.letter.has_value()) +
                      int(request.query.has_value());
    if (kinds != 1 || (flags && !request.query)) return std::nullopt;
    return request;
}

std::string utf8_of(const UniString& text) {
    return uni_to_qstring(text).toStdString();
}

std::string dictionary_line(const DictionaryEntry& entry) {
    return JsonLine()
        .number("line", entry.line)
        .number("number", entry.number)
        .text("label", utf8_of(entry.label))
        .text("headword", utf8_of(entry.headword))
        .text("second", utf8_of(entry.second))
        .text("translation", utf8_of(entry.translation))
        .str();
}

int lookup(const LookupRequest& request, std::ostream& out, std::ostream& err) {
    const CourseRootChoice choice = find_course_root("", {"--course-root", request.root});
    if (choice.failure) {
        err << choice.failure->text << ": " << choice.failure->detail << '\n';
        return 1;
    }
    Config config;
    config.course_root = choice.root;
    if (!path_exists(config.course_path("slowniku.txt"))) {
        err << choice.root << "slowniku.txt: the file does not exist\n";
        return 1;
    }
    DictionaryTable table;
    CourseProblems problems;
    const DictionaryLoad outcome = slownik_load(config, table, problems);
    for (const CourseProblem& problem : problems.all())
        err << problem.text() << '\n';
    const bool unreadable =
        std::any_of(problems.all().begin(), problems.all().end(), [](const CourseProblem& p) {
            return p.severity == Severity::error && p.line == 0;
        });
    if (unreadable || (table.count() == 0 && problems.has_errors())) return 1;
    if (outcome.message) err << outcome.file << ": " << outcome.message->text << '\n';

    std::vector<int> found;
    if (request.letter) {
        found = slownik_search(table, request.letter, {}, kFullWindow, request.checks);
    } else {
        const bool small = request.word.has_value();
        const QString text = QString::fromStdString(small ? *request.word : *request.query);
        found = slownik_search(table, std::nullopt, qstring_to_uni(text),
                               small ? kSmallWindow : kFullWindow, request.checks);
    }
    for (const int index : found)
        out << dictionary_line(table.entry(index)) << '\n';
    return 0;
}

std::string word_line(int n, const WordRecord& r) {
    return JsonLine()
        .number("n", n)
        .number("group", r.group)
        .number("sound_kind", r.sound_kind)
        .number("word_id", r.word_id)
        .number("word_class", r.word_class)
        .text("word", r.word)
        .text("translation", r.translation)
        .text("third_form", r.third_form)
        .text("alternatives", r.alternatives)
        .text("note", r.note)
        .text("sound", r.sound)
        .boolean("drill", r.drilled())
        .number("example_id", r.example_id)
        .str();
}

int words(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err) {
    const bool drill = arguments.size() == 3;
    const CourseRootChoice choice = find_course_root("", {"--course-root", arguments[0]});
    if (choice.failure) {
        err << choice.failure->text << ": " << choice.failure->detail << '\n';
        return 1;
    }
    const Configuration configuration = configure(choice.root);
    const Config& config = configuration.config;
    const std::string path = config.course_path("cw_r\\" + arguments[1] + ".bc4");
    std::optional<WordFile> list;
    try {
        list = load_word_file(path, config.course_variant);
    } catch (const CourseFileError& error) {
        err << course_relative_name(config.course_root, error.file()) << ":" << error.line() << ": "
            << error.problem() << '\n';
        return 1;
    }
    if (!list) {
        err << "cw_r/" << arguments[1] << ".bc4: the file does not exist\n";
        return 1;
    }
    build_drill_list(*list);
    if (drill) {
        for (std::size_t k = 0; k < list->drill.size(); ++k)
            out << JsonLine()
                       .number("position", static_cast<long long>(k) + 1)
                       .number("record", list->drill[k])
                       .str()
                << '\n';
        return 0;
    }
    for (int n = 1; n <= list->size(); ++n)
        out << word_line(n, list->record(n)) << '\n';
    return 0;
}

} // namespace

int run_course_tool(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    if (arguments.empty() || arguments[0] == "--help" || arguments[0] == "-h") {
        (arguments.empty() ? err : out) << tool_help;
        return arguments.empty() ? 2 : 0;
    }
    const std::string& command = arguments[0];
    const auto help = command_help.find(command);
    if (help == command_help.end()) {
        err << "vimo-course: unknown command \"" << command << "\"\n\n" << tool_help;
        return 2;
    }
    if (arguments.size() >= 2 && (arguments[1] == "--help" || arguments[1] == "-h")) {
        out << help->second;
        return 0;
    }
    if (command == "lookup") {
        const std::optional<LookupRequest> request =
            lookup_request({arguments.begin() + 1, arguments.end()});
        if (!request) {
            err << help->second;
            return 2;
        }
        return lookup(*request, out, err);
    }
    if (command == "words") {
        const bool fits =
            arguments.size() == 3 || (arguments.size() == 4 && arguments[3] == "--drill");
        if (!fits) {
            err << help->second;
            return 2;
        }
        return words({arguments.begin() + 1, arguments.end()}, out, err);
    }
    if (arguments.size() != 2) {
        err << help->second;
        return 2;
    }
    const std::string& argument = arguments[1];
    if (command == "check") return check_course(argument, out, err);
    if (command == "items") return items(argument, out, err);
    if (command == "results") {
        return dump_records(
            argument, kCwInfoSize,
            [](int n, std::string_view bytes) {
                return cw_info_line(n, decode_cw_info(bytes).record);
            },
            out, err);
    }
    return dump_records(
        argument, kRepetitionSize,
        [](int n, std::string_view bytes) {
            return repetition_line(n, decode_repetition(bytes).entry);
        },
        out, err);
}

} // namespace vimo
