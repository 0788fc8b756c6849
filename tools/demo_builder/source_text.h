#pragma once
// The demo course is kept as readable UTF-8 text; the course files need UTF-16LE or
// Windows-1250 with CR LF line ends. These functions do that conversion and report a
// bad source by file and line.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <stdexcept>

namespace vimo {

// A demo source that cannot be turned into a course file. line is 1-based; 0 when
// the fault is not in one line (a missing or unreadable file).
class DemoSourceError : public std::runtime_error {
public:
    DemoSourceError(const QString& file, int line, const QString& problem);
    const QString& file() const { return m_file; }
    int line() const { return m_line; }
    const QString& problem() const { return m_problem; }

private:
    QString m_file;
    int m_line = 0;
    QString m_problem;
};

// The lines of a UTF-8 source without their line ends (LF or CR LF). A final line end
// does not start another line, and a leading UTF-8 byte-order mark is dropped.
// Throws DemoSourceError naming file and line for bytes that are not valid UTF-8.
QStringList decode_utf8_lines(const QByteArray& bytes, const QString& file);

// A course text file: FF FE, then every line as UTF-16LE units followed by CR LF.
QByteArray encode_course_text(const QStringList& lines);

// A Windows-1250 file with CR LF after every line. Throws DemoSourceError naming
// file and line for a character the code page cannot hold.
QByteArray encode_cp1250_text(const QStringList& lines, const QString& file);

} // namespace vimo
