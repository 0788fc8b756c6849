#pragma once
// Reading course text files (UTF-16LE, byte-order mark, CR LF) and 8-bit
// (Windows-1250) text files. Files are read whole into memory and then split, so a
// table loader never holds a file open.

#include "core/uni.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace vimo {

// A course file that cannot be used, with the file and the line at fault
// (line 0 when the fault is not in one line).
class CourseFileError : public std::runtime_error {
public:
    CourseFileError(std::string file, int line, std::string problem);
    const std::string& file() const { return m_file; }
    int line() const { return m_line; }
    const std::string& problem() const { return m_problem; }

private:
    std::string m_file;
    int m_line = 0;
    std::string m_problem;
};

// The bytes of an open course text file, read with uni_read_line.
class CourseTextReader {
public:
    // bytes: the file's content after the byte-order mark.
    explicit CourseTextReader(std::string bytes) : m_bytes(std::move(bytes)) {}
    // True at the end of the bytes or at the end mark (the unit U+001A).
    bool at_end() const;

private:
    friend UniString uni_read_line(CourseTextReader& reader);
    // The unit whose low byte is at pos, or U+FFFF where no whole unit is left.
    char16_t unit_at(std::size_t pos) const;

    std::string m_bytes;
    std::size_t m_pos = 0;
    bool m_eof_mark = false; // the end mark was met: the rest of the file does not count
};

// The next line: its units followed by exactly one U+0000 unit. Lines end at LF or
// CR LF; a lone CR unit is dropped.
UniString uni_read_line(CourseTextReader& reader);

// All lines of a course text file, each as uni_read_line returns it.
// nullopt when the file does not exist; CourseFileError when it cannot be read,
// has no byte-order mark FF FE or holds an odd number of bytes.
std::optional<std::vector<UniString>> read_course_text_file(const std::string& path);

// All lines of an 8-bit text file without their line ends (CR LF, LF or a lone CR
// before LF), in the file's own encoding. nullopt when the file does not exist;
// CourseFileError when it cannot be read.
std::optional<std::vector<std::string>> read_8bit_lines(const std::string& path);

} // namespace vimo
