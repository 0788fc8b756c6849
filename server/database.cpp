#include "server/database.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QUrl>
#include <QUrlQuery>
#include <QVariant>
#include <initializer_list>

namespace vimo::server {

namespace {

QAtomicInteger<int> g_connections;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}
std::string text(const QVariant& v) {
    return v.toString().toStdString();
}
QByteArray bytes(const std::string& s) {
    return QByteArray(s.data(), static_cast<qsizetype>(s.size()));
}
std::string bytes(const QVariant& v) {
    const QByteArray b = v.toByteArray();
    return std::string(b.constData(), static_cast<std::size_t>(b.size()));
}

// The schema of version 1, written for both databases; @ID is the key column of a
// table with its own ids, @RAW the type of raw bytes.
const char* const kSchema[] = {
    "CREATE TABLE learners (id @ID, login TEXT NOT NULL UNIQUE, name TEXT NOT NULL,"
    " class TEXT NOT NULL, password_hash TEXT NOT NULL,"
    " failures INTEGER NOT NULL DEFAULT 0, failure_window_start BIGINT NOT NULL DEFAULT 0,"
    " locked_until BIGINT NOT NULL DEFAULT 0)",
    "CREATE INDEX learners_class ON learners (class)",
    "CREATE TABLE course_access (learner_id INTEGER NOT NULL REFERENCES learners (id)"
    " ON DELETE CASCADE, course TEXT NOT NULL, typing INTEGER NOT NULL,"
    " dictionary INTEGER NOT NULL, PRIMARY KEY (learner_id, course))",
    "CREATE TABLE result_records (learner_id INTEGER NOT NULL REFERENCES learners (id)"
    " ON DELETE CASCADE, course TEXT NOT NULL, position INTEGER NOT NULL, name @RAW NOT NULL,"
    " kind INTEGER NOT NULL, item_key INTEGER NOT NULL, record @RAW NOT NULL,"
    " PRIMARY KEY (learner_id, course, position))",
    "CREATE INDEX result_records_item ON result_records (learner_id, course, name, kind,"
    " item_key, position)",
    "CREATE TABLE lessons (id @ID, name TEXT NOT NULL UNIQUE)",
    "CREATE TABLE lesson_items (lesson_id INTEGER NOT NULL REFERENCES lessons (id)"
    " ON DELETE CASCADE, position INTEGER NOT NULL, number INTEGER NOT NULL,"
    " title TEXT NOT NULL, PRIMARY KEY (lesson_id, position))",
    "CREATE TABLE lesson_assignments (lesson_id INTEGER NOT NULL REFERENCES lessons (id)"
    " ON DELETE CASCADE, learner_id INTEGER REFERENCES learners (id) ON DELETE CASCADE,"
    " class TEXT, UNIQUE (lesson_id, learner_id, class))",
};

} // namespace

DatabaseTarget database_target(const QString& argument) {
    DatabaseTarget target;
    if (!argument.startsWith("postgresql://") && !argument.startsWith("postgres://")) {
        target.path = argument;
        return target;
    }
    const QUrl url(argument, QUrl::StrictMode);
    if (!url.isValid())
        throw DatabaseError("not a PostgreSQL URI: " + url.errorString().toStdString());
    target.postgres = true;
    target.user = url.userName(QUrl::FullyDecoded);
    target.password = url.password(QUrl::FullyDecoded);
    target.host = url.host(QUrl::FullyDecoded);
    target.port = url.port(5432);
    target.database = url.path(QUrl::FullyDecoded).mid(1);
    const QUrlQuery query(url);
    if (query.hasQueryItem("host")) target.host = query.queryItemValue("host", QUrl::FullyDecoded);
    if (target.database.isEmpty()) throw DatabaseError("the PostgreSQL URI names no database");
    return target;
}

Database::Database(const QString& argument)
    : m_target(database_target(argument)),
      m_connection(QString("vimo-%1").arg(g_connections.fetchAndAddRelaxed(1))) {
    QSqlDatabase db =
        QSqlDatabase::addDatabase(m_target.postgres ? "QPSQL" : "QSQLITE", m_connection);
    if (!db.isValid()) {
        QSqlDatabase::removeDatabase(m_connection);
        throw DatabaseError(std::string("no Qt SQL driver for ") +
                            (m_target.postgres ? "PostgreSQL" : "SQLite"));
    }
    if (m_target.postgres) {
        db.setHostName(m_target.host);
        db.setPort(m_target.port);
        db.setDatabaseName(m_target.database);
        db.setUserName(m_target.user);
        db.setPassword(m_target.password);
    } else {
        db.setDatabaseName(m_target.path);
        // Another process (the teachers' command line, a second server) may hold the
        // write lock for a moment; wait for it rather than fail.
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");
    }
    if (!db.open()) {
        const std::string reason = db.lastError().text().toStdString();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw DatabaseError("cannot open the database: " + reason);
    }
    try {
        if (!m_target.postgres) {
            run("PRAGMA journal_mode = WAL", {});
            // A "TRUE" answered after a commit must survive a power cut too.
            run("PRAGMA synchronous = FULL", {});
            run("PRAGMA foreign_keys = ON", {});
        }
        in_transaction([&] { create_schema(); });
    } catch (...) {
        m_prepared.clear();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connection);
        throw;
    }
}

Database::~Database() {
    m_prepared.clear();
    {
        QSqlDatabase db = QSqlDatabase::database(m_connection, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connection);
}

Rows Database::run(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery query(QSqlDatabase::database(m_connection, false));
    // PostgreSQL prepares no schema statements; a statement without values needs no
    // preparing anyway.
    if (values.size() == 0) {
        if (!query.exec(sql))
            throw DatabaseError(query.lastError().text().toStdString() + " in " +
                                sql.toStdString());
        return rows_of(query);
    }
    // Each statement is prepared once per connection: PostgreSQL would otherwise
    // prepare, run and drop it in three round trips every time.
    auto prepared = m_prepared.find(sql);
    if (prepared == m_prepared.end()) {
        if (!query.prepare(sql))
            throw DatabaseError(query.lastError().text().toStdString() + " in " +
                                sql.toStdString());
        prepared = m_prepared.insert(sql, query);
    }
    int at = 0;
    for (const QVariant& value : values)
        prepared->bindValue(at++, value);
    if (!prepared->exec())
        throw DatabaseError(prepared->lastError().text().toStdString() + " in " +
                            sql.toStdString());
    return rows_of(*prepared);
}

Rows Database::rows_of(QSqlQuery& query) {
    // Read whole and reset at once: a statement left open would keep SQLite's read
    // snapshot, or the write lock of an UPDATE ... RETURNING, from every other process.
    Rows rows;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row.push_back(query.value(i));
        rows.add(std::move(row));
    }
    query.finish();
    return rows;
}

void Database::begin() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_target.postgres) {
        // PostgreSQL locks the rows each change touches (see lock_learner).
        if (!db.transaction()) throw DatabaseError(db.lastError().text().toStdString());
        return;
    }
    // SQLite: take the write lock now, so that a read followed by a write never finds
    // another writer in between.
    QSqlQuery query(db);
    if (!query.exec("BEGIN IMMEDIATE")) throw DatabaseError(query.lastError().text().toStdString());
}

void Database::commit() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_target.postgres) {
        if (!db.commit()) throw DatabaseError(db.lastError().text().toStdString());
        return;
    }
    QSqlQuery query(db);
    if (!query.exec("COMMIT")) throw DatabaseError(query.lastError().text().toStdString());
}

void Database::rollback() {
    QSqlDatabase db = QSqlDatabase::database(m_connection, false);
    if (m_target.postgres) {
        db.rollback();
        return;
    }
    QSqlQuery query(db);
    query.exec("ROLLBACK");
}

int Database::schema_version() {
    Rows q = run("SELECT version FROM schema_version", {});
    return q.next() ? q.value(0).toInt() : 0;
}

void Database::create_schema() {
    // Several processes may start on a new PostgreSQL database at once; one creates
    // the schema, the others wait for it and find it made.
    if (m_target.postgres) run("SELECT pg_advisory_xact_lock(90990001)", {});
    run("CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)", {});
    const int version = schema_version();
    if (version > kSchemaVersion)
        throw DatabaseError("the database is of a newer vimo-server (schema " +
                            std::to_string(version) + ")");
    if (version == kSchemaVersion) return;
    const QString id = m_target.postgres ? "INTEGER GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY"
                                         : "INTEGER PRIMARY KEY";
    const QString raw = m_target.postgres ? "BYTEA" : "BLOB";
    for (const char* statement : kSchema)
        run(QString(statement).replace("@ID", id).replace("@RAW", raw), {});
    run("DELETE FROM schema_version", {});
    run("INSERT INTO schema_version (version) VALUES (?)", {kSchemaVersion});
}

namespace {

Learner learner_of(const Rows& q) {
    Learner l;
    l.id = q.value(0).toLongLong();
    l.login = text(q.value(1));
    l.name = text(q.value(2));
    l.klass = text(q.value(3));
    l.password_hash = text(q.value(4));
    l.locked_until = q.value(5).toLongLong();
    return l;
}

constexpr const char* kLearnerColumns =
    "SELECT id, login, name, class, password_hash, locked_until FROM learners ";

} // namespace

std::optional<Learner> Database::learner(const std::string& login) {
    Rows q = run(QString(kLearnerColumns) + "WHERE login = ?", {text(login)});
    if (!q.next()) return std::nullopt;
    return learner_of(q);
}

std::vector<Learner> Database::learners(const std::optional<std::string>& klass) {
    Rows q = klass
                 ? run(QString(kLearnerColumns) + "WHERE class = ? ORDER BY login", {text(*klass)})
                 : run(QString(kLearnerColumns) + "ORDER BY login", {});
    std::vector<Learner> all;
    while (q.next())
        all.push_back(learner_of(q));
    return all;
}

std::int64_t Database::add_learner(const Learner& l) {
    Rows q = run("INSERT INTO learners (login, name, class, password_hash) VALUES (?, ?, ?, ?)"
                 " RETURNING id",
                 {text(l.login), text(l.name), text(l.klass), text(l.password_hash)});
    if (!q.next()) throw DatabaseError("no id for the new learner");
    return q.value(0).toLongLong();
}

void Database::set_password(std::int64_t id, const std::string& hash) {
    run("UPDATE learners SET password_hash = ?, failures = 0, failure_window_start = 0,"
        " locked_until = 0 WHERE id = ?",
        {text(hash), qlonglong(id)});
}

std::optional<CourseAccess> Database::access(std::int64_t learner, const std::string& course) {
    Rows q = run("SELECT typing, dictionary FROM course_access WHERE learner_id = ? AND course = ?",
                 {qlonglong(learner), text(course)});
    if (!q.next()) return std::nullopt;
    return CourseAccess{course, q.value(0).toInt() != 0, q.value(1).toInt() != 0};
}

std::vector<CourseAccess> Database::accesses(std::int64_t learner) {
    Rows q = run("SELECT course, typing, dictionary FROM course_access WHERE learner_id = ?"
                 " ORDER BY course",
                 {qlonglong(learner)});
    std::vector<CourseAccess> all;
    while (q.next())
        all.push_back({text(q.value(0)), q.value(1).toInt() != 0, q.value(2).toInt() != 0});
    return all;
}

void Database::set_access(std::int64_t learner, const CourseAccess& a) {
    run("INSERT INTO course_access (learner_id, course, typing, dictionary) VALUES (?, ?, ?, ?)"
        " ON CONFLICT (learner_id, course) DO UPDATE SET typing = excluded.typing,"
        " dictionary = excluded.dictionary",
        {qlonglong(learner), text(a.course), a.typing ? 1 : 0, a.dictionary ? 1 : 0});
}

void Database::revoke_access(std::int64_t learner, const std::string& course) {
    run("DELETE FROM course_access WHERE learner_id = ? AND course = ?",
        {qlonglong(learner), text(course)});
}

bool Database::has_results(std::int64_t learner, const std::string& course) {
    Rows q = run("SELECT 1 FROM result_records WHERE learner_id = ? AND course = ? LIMIT 1",
                 {qlonglong(learner), text(course)});
    return q.next();
}

std::vector<std::string> Database::results(std::int64_t learner, const std::string& course) {
    Rows q = run("SELECT record FROM result_records WHERE learner_id = ? AND course = ?"
                 " ORDER BY position",
                 {qlonglong(learner), text(course)});
    std::vector<std::string> records;
    while (q.next())
        records.push_back(bytes(q.value(0)));
    return records;
}

std::vector<std::string> Database::result_courses(std::int64_t learner) {
    Rows q = run("SELECT DISTINCT course FROM result_records WHERE learner_id = ? ORDER BY course",
                 {qlonglong(learner)});
    std::vector<std::string> courses;
    while (q.next())
        courses.push_back(text(q.value(0)));
    return courses;
}

void Database::lock_learner(std::int64_t learner) {
    // Requests of one learner from several processes take their turns here.
    if (m_target.postgres)
        run("SELECT id FROM learners WHERE id = ? FOR UPDATE", {qlonglong(learner)});
}

void Database::replace_results(std::int64_t learner, const std::string& course,
                               const std::vector<std::string>& records) {
    in_transaction([&] {
        lock_learner(learner);
        run("DELETE FROM result_records WHERE learner_id = ? AND course = ?",
            {qlonglong(learner), text(course)});
        QSqlQuery insert(QSqlDatabase::database(m_connection, false));
        insert.prepare("INSERT INTO result_records (learner_id, course, position, name, kind,"
                       " item_key, record) VALUES (?, ?, ?, ?, ?, ?, ?)");
        int position = 0;
        for (const std::string& raw : records) {
            const cw_Info r = decode_cw_info(raw).record;
            for (const QVariant& v :
                 {QVariant(qlonglong(learner)), QVariant(text(course)), QVariant(++position),
                  QVariant(bytes(r.name)), QVariant(int(r.kind)), QVariant(int(r.key)),
                  QVariant(bytes(raw))})
                insert.addBindValue(v);
            if (!insert.exec()) throw DatabaseError(insert.lastError().text().toStdString());
        }
    });
}

ApplyOutcome Database::apply_result(std::int64_t learner, const std::string& course,
                                    const cw_Info& record) {
    const QByteArray raw = bytes(encode_cw_info(record));
    return in_transaction([&] {
        lock_learner(learner);
        Rows found = run("SELECT position FROM result_records WHERE learner_id = ? AND"
                         " course = ? AND name = ? AND kind = ? AND item_key = ?"
                         " ORDER BY position DESC LIMIT 1",
                         {qlonglong(learner), text(course), bytes(record.name), int(record.kind),
                          int(record.key)});
        if (found.next()) {
            run("UPDATE result_records SET record = ? WHERE learner_id = ? AND course = ? AND"
                " position = ?",
                {raw, qlonglong(learner), text(course), found.value(0).toInt()});
            return ApplyOutcome::Updated;
        }
        Rows last = run("SELECT COALESCE(MAX(position), 0) FROM result_records"
                        " WHERE learner_id = ? AND course = ?",
                        {qlonglong(learner), text(course)});
        const int position = last.next() ? last.value(0).toInt() : 0;
        if (position >= 2000) return ApplyOutcome::Full;
        run("INSERT INTO result_records (learner_id, course, position, name, kind, item_key,"
            " record) VALUES (?, ?, ?, ?, ?, ?, ?)",
            {qlonglong(learner), text(course), position + 1, bytes(record.name), int(record.kind),
             int(record.key), raw});
        return ApplyOutcome::Appended;
    });
}

int Database::count_failure(std::int64_t learner, std::int64_t now, int window, int limit,
                            int lock) {
    // One statement, so that processes sharing the database count every failure.
    Rows q =
        run("UPDATE learners SET"
            " failures = CASE WHEN failure_window_start > ? THEN failures + 1 ELSE 1 END,"
            " failure_window_start = CASE WHEN failure_window_start > ?"
            " THEN failure_window_start ELSE ? END"
            " WHERE id = ? RETURNING failures",
            {qlonglong(now - window), qlonglong(now - window), qlonglong(now), qlonglong(learner)});
    const int failures = q.next() ? q.value(0).toInt() : 0;
    if (failures < limit) return failures;
    run("UPDATE learners SET failures = 0, failure_window_start = 0, locked_until = ? WHERE id = ?",
        {qlonglong(now + lock), qlonglong(learner)});
    return 0;
}

void Database::clear_failures(std::int64_t learner) {
    run("UPDATE learners SET failures = 0, failure_window_start = 0, locked_until = 0"
        " WHERE id = ? AND (failures <> 0 OR locked_until <> 0)",
        {qlonglong(learner)});
}

bool Database::lesson_exists(const std::string& name) {
    return run("SELECT 1 FROM lessons WHERE name = ?", {text(name)}).next();
}

void Database::add_lesson(const Lesson& lesson) {
    in_transaction([&] {
        Rows q = run("INSERT INTO lessons (name) VALUES (?) RETURNING id", {text(lesson.name)});
        if (!q.next()) throw DatabaseError("no id for the new lesson");
        const qlonglong id = q.value(0).toLongLong();
        int position = 0;
        for (const LessonItem& item : lesson.items)
            run("INSERT INTO lesson_items (lesson_id, position, number, title) VALUES (?, ?, ?, ?)",
                {id, ++position, item.number, text(item.title)});
    });
}

bool Database::assign_to_learner(const std::string& lesson, std::int64_t learner) {
    Rows q = run("SELECT id FROM lessons WHERE name = ?", {text(lesson)});
    if (!q.next()) return false;
    run("INSERT INTO lesson_assignments (lesson_id, learner_id) SELECT ?, ? WHERE NOT EXISTS"
        " (SELECT 1 FROM lesson_assignments WHERE lesson_id = ? AND learner_id = ?)",
        {q.value(0), qlonglong(learner), q.value(0), qlonglong(learner)});
    return true;
}

bool Database::assign_to_class(const std::string& lesson, const std::string& klass) {
    Rows q = run("SELECT id FROM lessons WHERE name = ?", {text(lesson)});
    if (!q.next()) return false;
    run("INSERT INTO lesson_assignments (lesson_id, class) SELECT ?, ? WHERE NOT EXISTS"
        " (SELECT 1 FROM lesson_assignments WHERE lesson_id = ? AND class = ?)",
        {q.value(0), text(klass), q.value(0), text(klass)});
    return true;
}

std::vector<Lesson> Database::lessons_of(const Learner& learner) {
    Rows q = run("SELECT l.name, i.number, i.title FROM lessons l"
                 " LEFT JOIN lesson_items i ON i.lesson_id = l.id"
                 " WHERE l.id IN (SELECT lesson_id FROM lesson_assignments"
                 " WHERE learner_id = ? OR (class = ? AND class <> ''))"
                 " ORDER BY l.id, i.position",
                 {qlonglong(learner.id), text(learner.klass)});
    std::vector<Lesson> lessons;
    while (q.next()) {
        const std::string name = text(q.value(0));
        if (lessons.empty() || lessons.back().name != name) lessons.push_back({name, {}});
        if (!q.value(1).isNull())
            lessons.back().items.push_back({q.value(1).toInt(), text(q.value(2))});
    }
    return lessons;
}

} // namespace vimo::server
