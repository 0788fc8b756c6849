#include "course_tool/course_tool.h"

#include "core/course_loaders.h"
#include "core/dates.h"
#include "core/startup.h"
#include "course_tool/course_check.h"
#include "course_tool/json_lines.h"
#include "repetitions/repetition_store.h"
#include "results/record_file.h"
#include "results/results_store.h"

#include <QDir>
#include <functional>
#include <map>

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
     "                                without tasks; a catalogue entry of an unknown type)\n"
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
