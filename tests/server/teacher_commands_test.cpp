// The teachers' command line on a real database: what it stores shows in the server's
// replies and in the export, and what it refuses leaves nothing behind.

#include "results/cw_info.h"
#include "server/protocol_cases.h"
#include "server/server_fixture.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

namespace vimo::server_test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

// The export read back by Python's csv module, an RFC 4180 reader of its own.
Rows parse_csv(const std::string& text) {
    QProcess python;
    python.start("python3", {"-c", "import csv, json, sys\n"
                                   "rows = list(csv.reader(sys.stdin.buffer.read().decode('utf-8')"
                                   ".splitlines(keepends=True)))\n"
                                   "sys.stdout.write(json.dumps(rows))"});
    python.write(text.data(), static_cast<qint64>(text.size()));
    python.closeWriteChannel();
    EXPECT_TRUE(python.waitForFinished(30'000));
    Rows rows;
    for (const QJsonValue& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
        rows.emplace_back();
        for (const QJsonValue& field : row.toArray())
            rows.back().push_back(field.toString().toStdString());
    }
    return rows;
}

class TeacherCommands : public ServerProtocol {
protected:
    CommandResult run(std::vector<std::string> args, const std::string& input = {}) {
        args.insert(args.begin() + 2, {"--db", db()});
        return run_command(args, input);
    }
    std::string write_file(const std::string& name, const std::string& text) {
        const std::string path = m_folder.filePath(QString::fromStdString(name)).toStdString();
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), static_cast<qint64>(text.size()));
        return path;
    }
    std::string list() { return run({"learner", "list"}).out; }

private:
    QTemporaryDir m_folder;
};

TEST_P(TeacherCommands, AddListAndAccess) {
    EXPECT_EQ(run({"learner", "add", "ola", "--name", "Ola Nowak", "--class", "3a", "--course",
                   "v1r2_55"},
                  "pw\n")
                  .exit_code,
              0);
    EXPECT_EQ(run({"learner", "add", "jan", "--class", "3b"}, "pw\n").exit_code, 0);
    EXPECT_EQ(list(), "jan\t\t3b\t\nola\tOla Nowak\t3a\tv1r2_55\n");
    EXPECT_EQ(run({"learner", "list", "--class", "3a"}).out, "ola\tOla Nowak\t3a\tv1r2_55\n");

    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "2#0#0#0#1#1#\r\n");
    EXPECT_EQ(
        run({"learner", "access", "jan", "--course", "v1r2_55", "--dictionary", "off"}).exit_code,
        0);
    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "1#0#0#0#1#0#\r\n");
    EXPECT_EQ(run({"learner", "access", "jan", "--course", "v1r2_55", "--typing", "off"}).exit_code,
              0);
    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "1#0#0#0#0#0#\r\n");
    EXPECT_EQ(run({"learner", "access", "jan", "--course", "v1r2_55", "--revoke"}).exit_code, 0);
    EXPECT_EQ(request(net::Command::Log, {"jan", "pw", "v1r2_55"}), "2#0#0#0#1#1#\r\n");
}

TEST_P(TeacherCommands, RefusesWhatTheProtocolCannotCarry) {
    struct Case {
        std::vector<std::string> args;
        std::string input;
    } cases[] = {
        {{"learner", "add", "a#b"}, "pw\n"},
        {{"learner", "add", " ola"}, "pw\n"},
        {{"learner", "add", "ola"}, ""},
        {{"learner", "add", "ola"}, "   \n"},
        {{"learner", "add", "ola", "--course", "v1#"}, "pw\n"},
        {{"learner", "passwd", "nobody"}, "pw\n"},
        {{"learner", "access", "nobody", "--course", "v1r2_55"}, ""},
        {{"learner", "access", "nobody"}, ""},
        {{"lesson", "add", "L#1", "1:T"}, ""},
        {{"lesson", "add", "L1", "1:T#"}, ""},
        {{"lesson", "add", "L1", "x:T"}, ""},
        {{"lesson", "add", "L1"}, ""},
        {{"lesson", "add", "L\n1", "1:T"}, ""},
        {{"lesson", "add", "L1", "1:\xe2\x82\xac\xe2\x98\x83"}, ""},
        {{"lesson", "assign", "nothing", "--class", "3a"}, ""},
        {{"learner", "frobnicate"}, ""},
        {{"learner", "list", "--colour", "red"}, ""},
    };
    for (const Case& c : cases) {
        const CommandResult r = run(c.args, c.input);
        EXPECT_EQ(r.exit_code, 1) << c.args[2];
        EXPECT_NE(r.err.find("vimo-server: "), std::string::npos) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    EXPECT_EQ(list(), "");
    EXPECT_EQ(run({"learner", "add", "ola"}, "pw\n").exit_code, 0);
    const CommandResult twice = run({"learner", "add", "ola"}, "pw\n");
    EXPECT_EQ(twice.exit_code, 1);
    const CommandResult hash = run({"learner", "passwd", "ola"}, "new#pw\n");
    EXPECT_EQ(hash.exit_code, 1);
    EXPECT_NE(hash.err.find("cannot hold #"), std::string::npos) << hash.err;
}

TEST_P(TeacherCommands, ImportAddsAClassFromCsv) {
    const std::string csv = write_file("class.csv", "login,name,class,password\r\n"
                                                    "ola,\"Nowak, Ola\",3a,pierwsze\r\n"
                                                    "jan,\"Jan \"\"Janek\"\" Kos\",3a, drugie \r\n"
                                                    "\r\n"
                                                    "eva,\"Eva\nSmith\",3a,x\n");
    // A name that spans lines is refused with the line where its row starts.
    const CommandResult bad = run({"learner", "import", csv, "--course", "v1r2_55"});
    EXPECT_EQ(bad.exit_code, 1);
    EXPECT_NE(bad.err.find("class.csv:5:"), std::string::npos) << bad.err;
    EXPECT_EQ(list(), "");

    const std::string good =
        write_file("good.csv", "ola,\"Nowak, Ola\",3a,pierwsze\r\n"
                               "jan,\"Jan \"\"Janek\"\" Kos\",3a, drugie \r\n");
    const CommandResult r = run({"learner", "import", good, "--course", "v1r2_55"});
    ASSERT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.out, "imported 2 learners\n");
    EXPECT_EQ(list(), "jan\tJan \"Janek\" Kos\t3a\tv1r2_55\nola\tNowak, Ola\t3a\tv1r2_55\n");
    EXPECT_EQ(request(net::Command::Log, {"jan", "drugie", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
    EXPECT_EQ(request(net::Command::Log, {"ola", "pierwsze", "v1r2_55"}), "1#0#0#0#1#1#\r\n");
}

TEST_P(TeacherCommands, ABadRowImportsNothing) {
    struct Case {
        const char* text;
        const char* where;
    } cases[] = {
        {"a,A,1,pw\nb,B,1\n", "rows.csv:2:"},
        {"a,A,1,pw\nb#,B,1,pw\n", "rows.csv:2:"},
        {"a,A,1,pw\nc,C,1,pw\na,A,1,pw\n", "rows.csv:3:"},
        {"a,A,1,pw\nb,B,1,\n", "rows.csv:2:"},
        {"a,A,1,pw\nb,\"B,1,pw\n", "rows.csv:2:"},
        {"a,A,1,pw\nb,B\"x\",1,pw\n", "rows.csv:2:"},
        {"a,A,1,pw\nold,O,1,pw\n", "rows.csv:2:"},
    };
    ASSERT_EQ(run({"learner", "add", "old"}, "pw\n").exit_code, 0);
    for (const Case& c : cases) {
        const CommandResult r = run({"learner", "import", write_file("rows.csv", c.text)});
        EXPECT_EQ(r.exit_code, 1) << c.text;
        EXPECT_NE(r.err.find(c.where), std::string::npos) << c.text << r.err;
        EXPECT_EQ(list(), "old\t\t\t\n") << c.text;
    }
}

TEST_P(TeacherCommands, ExportGivesEveryRecordOfTheChosenLearners) {
    add_learner(db(), "ola", "pw",
                {"--course", "v1r2_55", "--class", "3a", "--name", "Ola, \"N\""});
    add_learner(db(), "jan", "pw", {"--course", "v1r2_55", "--class", "3b"});
    cw_Info text = record("tek_1", 40, 1);
    text.score = 85;
    text.count = 2;
    text.completed = 1;
    at_time(text,
            std::chrono::year_month_day{std::chrono::year{2026}, std::chrono::month{3},
                                        std::chrono::day{5}},
            9, 5, 7);
    cw_Info dialogue = record("dia_2", 72, 0);
    dialogue.title = std::string("R\0o\0z\0m\0"
                                 "\x42\x01",
                                 10); // UTF-16: "Rozmł"
    upload_results({"ola", "pw", "v1r2_55"}, file_of({text, dialogue}));
    upload_results({"jan", "pw", "v1r2_55"}, file_of({record("slo_1", '<', 0)}));

    const CommandResult csv = run({"results", "export", "--class", "3a"});
    ASSERT_EQ(csv.exit_code, 0) << csv.err;
    const Rows rows = parse_csv(csv.out);
    const Rows expected = {
        {"login", "name", "class", "course", "item", "title", "kind", "key", "level", "last_date",
         "score", "count", "completed", "group", "time"},
        {"ola", "Ola, \"N\"", "3a", "v1r2_55", "tek_1", "Tytuł tek_1", "40", "1", "2", "2026-03-05",
         "85", "2", "1", "Rozdział pierwszy", "09:05:07"},
        {"ola", "Ola, \"N\"", "3a", "v1r2_55", "dia_2", "Rozmł", "72", "0", "2", "2026-01-10", "0",
         "0", "0", "Rozdział pierwszy", "08:30:00"},
    };
    EXPECT_EQ(rows, expected);
    EXPECT_EQ(parse_csv(run({"results", "export", "--learner", "jan"}).out).size(), 2u);
    EXPECT_EQ(parse_csv(run({"results", "export", "--course", "v2r2_55"}).out).size(), 1u);
    EXPECT_EQ(parse_csv(run({"results", "export"}).out).size(), 4u);

    const CommandResult json = run({"results", "export", "--format", "json", "--learner", "ola"});
    ASSERT_EQ(json.exit_code, 0) << json.err;
    const QJsonArray all = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
    ASSERT_EQ(all.size(), 2);
    const QJsonObject first = all[0].toObject();
    EXPECT_EQ(first["title"].toString().toStdString(), "Tytuł tek_1");
    EXPECT_EQ(first["score"].toInt(), 85);
    EXPECT_EQ(first["last_date"].toString(), "2026-03-05");
    EXPECT_EQ(run({"results", "export", "--format", "xml"}).exit_code, 1);
    EXPECT_EQ(run({"results", "export", "--learner", "nobody"}).exit_code, 1);
}

INSTANTIATE_TEST_SUITE_P(Db, TeacherCommands, testing::Values(Backend::Sqlite, Backend::Postgres),
                         [](const auto& info) { return backend_name(info.param); });

} // namespace
} // namespace vimo::server_test
