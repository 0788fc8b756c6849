#include "server/teacher_commands.h"

#include "core/encoding.h"
#include "net/protocol.h"
#include "server/csv.h"
#include "server/database.h"
#include "server/passwords.h"
#include "server/results_export.h"

#include <QString>
#include <QtConcurrent/QtConcurrentMap>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <set>

namespace vimo::server {

namespace {

const std::set<std::string> kValueOptions = {"--db",     "--name",       "--class",   "--course",
                                             "--typing", "--dictionary", "--learner", "--format"};
const std::set<std::string> kFlags = {"--revoke"};

std::optional<int> parse_number(const std::string& text) {
    if (text.empty() || text.size() > 9 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoi(text);
}

bool has_line_break(const std::string& s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

std::string read_password(std::istream& in) {
    std::string line;
    if (!std::getline(in, line)) throw CommandError("no password on standard input");
    const std::string password(net::trim_blanks(line));
    if (password.empty()) throw CommandError("the password is empty");
    return password;
}

Learner existing_learner(Database& db, const std::string& login) {
    const auto learner = db.learner(login);
    if (!learner) throw CommandError("no learner " + login);
    return *learner;
}

bool on_off(const std::string& value, const char* option) {
    if (value == "on") return true;
    if (value == "off") return false;
    throw CommandError(std::string(option) + " takes on or off");
}

void check(const std::string& problem) {
    if (!problem.empty()) throw CommandError(problem);
}

void check_words(const Arguments& args, std::size_t count, const char* usage) {
    if (args.words().size() != count)
        throw CommandError(std::string("usage: vimo-server ") + usage);
}

void grant_courses(Database& db, std::int64_t learner, const std::vector<std::string>& courses) {
    for (const std::string& course : courses) {
        check(line_text_problem(course, "a course code"));
        db.set_access(learner, CourseAccess{course, true, true});
    }
}

void learner_add(Database& db, const Arguments& args, std::istream& in, std::ostream& out) {
    check_words(args, 3,
                "learner add --db DB LOGIN [--name NAME] [--class CLASS] [--course CODE]...");
    Learner learner;
    learner.login = args.words()[2];
    learner.name = args.value("--name").value_or("");
    learner.klass = args.value("--class").value_or("");
    check(login_problem(learner.login));
    if (has_line_break(learner.name) || has_line_break(learner.klass))
        throw CommandError("a name or class cannot hold a line break");
    if (db.learner(learner.login))
        throw CommandError("learner " + learner.login + " exists already");
    learner.password_hash = hash_password(read_password(in));
    db.in_transaction([&] {
        const std::int64_t id = db.add_learner(learner);
        grant_courses(db, id, args.values("--course"));
    });
    out << "added " << learner.login << "\n";
}

void learner_passwd(Database& db, const Arguments& args, std::istream& in, std::ostream& out) {
    check_words(args, 3, "learner passwd --db DB LOGIN");
    const Learner learner = existing_learner(db, args.words()[2]);
    const std::string password = read_password(in);
    // The program's own password change could not carry it: its request cannot tell
    // where an old and a new password holding "#" meet.
    if (password.find('#') != std::string::npos)
        throw CommandError("a new password cannot hold #: the program could not change it later");
    db.set_password(learner.id, hash_password(password));
    out << "password set for " << learner.login << "\n";
}

void learner_access(Database& db, const Arguments& args, std::ostream& out) {
    check_words(args, 3,
                "learner access --db DB LOGIN --course CODE [--typing on|off] "
                "[--dictionary on|off] [--revoke]");
    const Learner learner = existing_learner(db, args.words()[2]);
    const std::string course = args.required("--course");
    check(line_text_problem(course, "a course code"));
    if (args.flag("--revoke")) {
        db.revoke_access(learner.id, course);
        out << "revoked " << course << " for " << learner.login << "\n";
        return;
    }
    CourseAccess access = db.access(learner.id, course).value_or(CourseAccess{course, true, true});
    if (const auto v = args.value("--typing")) access.typing = on_off(*v, "--typing");
    if (const auto v = args.value("--dictionary")) access.dictionary = on_off(*v, "--dictionary");
    db.set_access(learner.id, access);
    out << "access " << course << " for " << learner.login << ": typing "
        << (access.typing ? "on" : "off") << ", dictionary " << (access.dictionary ? "on" : "off")
        << "\n";
}

void learner_unlock(Database& db, const Arguments& args, std::ostream& out) {
    check_words(args, 3, "learner unlock --db DB LOGIN");
    const Learner learner = existing_learner(db, args.words()[2]);
    db.clear_failures(learner.id);
    out << "unlocked " << learner.login << "\n";
}

void learner_list(Database& db, const Arguments& args, std::ostream& out) {
    check_words(args, 2, "learner list --db DB [--class CLASS]");
    for (const Learner& l : db.learners(args.value("--class"))) {
        std::string courses;
        for (const CourseAccess& a : db.accesses(l.id)) {
            if (!courses.empty()) courses += ',';
            courses += a.course;
        }
        out << l.login << '\t' << l.name << '\t' << l.klass << '\t' << courses << "\n";
    }
}

std::string file_text(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw CommandError("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

struct ImportRow {
    int line = 0;
    Learner learner;
    std::string password;
};

std::vector<ImportRow> import_rows(const std::string& path, Database& db) {
    const CsvRead csv = read_csv(file_text(path));
    const auto fail = [&](int line, const std::string& why) {
        throw CommandError(path + ":" + std::to_string(line) + ": " + why + "; nothing imported");
    };
    if (csv.error_line) fail(*csv.error_line, csv.error);
    std::vector<ImportRow> rows;
    std::set<std::string> logins;
    for (const CsvRow& row : csv.rows) {
        if (row.fields.size() == 1 && row.fields[0].empty()) continue; // a blank line
        if (row.line == 1 &&
            row.fields == std::vector<std::string>{"login", "name", "class", "password"})
            continue;
        if (row.fields.size() != 4) fail(row.line, "expected login,name,class,password");
        ImportRow r{row.line, {}, std::string(net::trim_blanks(row.fields[3]))};
        r.learner.login = row.fields[0];
        r.learner.name = row.fields[1];
        r.learner.klass = row.fields[2];
        if (const std::string problem = login_problem(r.learner.login); !problem.empty())
            fail(row.line, problem);
        if (has_line_break(r.learner.name) || has_line_break(r.learner.klass))
            fail(row.line, "a name or class cannot hold a line break");
        if (r.password.empty()) fail(row.line, "the password is empty");
        if (!logins.insert(r.learner.login).second)
            fail(row.line, "login " + r.learner.login + " twice");
        if (db.learner(r.learner.login))
            fail(row.line, "learner " + r.learner.login + " exists already");
        rows.push_back(std::move(r));
    }
    return rows;
}

void learner_import(Database& db, const Arguments& args, std::ostream& out) {
    check_words(args, 3, "learner import --db DB FILE.csv [--course CODE]...");
    std::vector<ImportRow> rows = import_rows(args.words()[2], db);
    // Argon2id takes its time per password; the rows are hashed on every core.
    QtConcurrent::blockingMap(
        rows, [](ImportRow& r) { r.learner.password_hash = hash_password(r.password); });
    db.in_transaction([&] {
        for (const ImportRow& r : rows)
            grant_courses(db, db.add_learner(r.learner), args.values("--course"));
    });
    out << "imported " << rows.size() << " learners\n";
}

void lesson_add(Database& db, const Arguments& args, std::ostream& out) {
    if (args.words().size() < 4)
        throw CommandError("usage: vimo-server lesson add --db DB NAME NUMBER:TITLE...");
    Lesson lesson{args.words()[2], {}};
    check(line_text_problem(lesson.name, "a lesson name"));
    for (std::size_t i = 3; i < args.words().size(); ++i) {
        const std::string& item = args.words()[i];
        const std::size_t colon = item.find(':');
        const auto number =
            colon == std::string::npos ? std::nullopt : parse_number(item.substr(0, colon));
        if (!number) throw CommandError("expected NUMBER:TITLE, not " + item);
        const std::string title = item.substr(colon + 1);
        check(line_text_problem(title, "an exercise title"));
        lesson.items.push_back({*number, title});
    }
    if (db.lesson_exists(lesson.name))
        throw CommandError("lesson " + lesson.name + " exists already");
    db.add_lesson(lesson);
    out << "added lesson " << lesson.name << " with " << lesson.items.size() << " exercises\n";
}

void lesson_assign(Database& db, const Arguments& args, std::ostream& out) {
    check_words(args, 3, "lesson assign --db DB NAME (--learner LOGIN | --class CLASS)...");
    const std::string& name = args.words()[2];
    const auto learners = args.values("--learner");
    const auto classes = args.values("--class");
    if (learners.empty() && classes.empty())
        throw CommandError("lesson assign needs --learner or --class");
    db.in_transaction([&] {
        for (const std::string& login : learners)
            if (!db.assign_to_learner(name, existing_learner(db, login).id))
                throw CommandError("no lesson " + name);
        for (const std::string& klass : classes)
            if (!db.assign_to_class(name, klass)) throw CommandError("no lesson " + name);
    });
    out << "assigned " << name << "\n";
}

} // namespace

std::string login_problem(const std::string& login) {
    if (login.empty()) return "the login is empty";
    if (login.find('#') != std::string::npos) return "a login cannot hold #";
    if (net::trim_blanks(login) != login) return "a login cannot start or end with a blank";
    for (const char c : login)
        if (static_cast<unsigned char>(c) < ' ') return "a login cannot hold control characters";
    return {};
}

std::string line_text_problem(const std::string& text, const char* what) {
    if (text.empty()) return std::string(what) + " cannot be empty";
    if (text.find_first_of("#\r\n") != std::string::npos)
        return std::string(what) + " cannot hold #, CR or LF";
    if (cp1250_to_utf8(utf8_to_cp1250(text)) != text)
        return std::string(what) + " has characters Windows-1250 cannot hold: " + text;
    return {};
}

void run_teacher_command(const std::vector<std::string>& words, std::istream& in,
                         std::ostream& out) {
    const Arguments args(words, kValueOptions, kFlags);
    const std::vector<std::string>& w = args.words();
    Database db(QString::fromStdString(args.required("--db")));
    const std::string command = w.empty() ? "" : w[0] + (w.size() > 1 ? " " + w[1] : "");
    if (!w.empty() && w[0] == "init") {
        check_words(args, 1, "init --db DB");
        out << "database ready, schema " << db.schema_version() << "\n";
    } else if (command == "learner add")
        learner_add(db, args, in, out);
    else if (command == "learner passwd")
        learner_passwd(db, args, in, out);
    else if (command == "learner access")
        learner_access(db, args, out);
    else if (command == "learner unlock")
        learner_unlock(db, args, out);
    else if (command == "learner list")
        learner_list(db, args, out);
    else if (command == "learner import")
        learner_import(db, args, out);
    else if (command == "lesson add")
        lesson_add(db, args, out);
    else if (command == "lesson assign")
        lesson_assign(db, args, out);
    else if (command == "results export")
        results_export(db, args, out);
    else
        throw CommandError("unknown command: " + command);
}

} // namespace vimo::server
