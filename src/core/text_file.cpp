#include "core/text_file.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string_view>

namespace vimo {

namespace {

constexpr char kLf = 0x0A;
constexpr char kCr = 0x0D;
constexpr char kEndMark = 0x1A; // the old end-of-file mark: what follows does not count

std::string error_message(const std::string& file, int line, const std::string& problem) {
    if (line <= 0) return file + ": " + problem;
    return file + ", line " + std::to_string(line) + ": " + problem;
}

std::string system_reason(int error) {
    if (error == 0) return {};
    return std::string(" (") + std::strerror(error) + ")";
}

// The whole content of the file at path; nullopt when there is no such file.
std::optional<std::string> read_whole_file(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) return std::nullopt;
    if (ec) throw CourseFileError(path, 0, "cannot be read: " + ec.message());
    if (fs::is_directory(status)) throw CourseFileError(path, 0, "is a folder, not a file");

    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) throw CourseFileError(path, 0, "cannot be opened for reading" + system_reason(errno));
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    in.seekg(0, std::ios::beg);
    if (size < 0 || !in) throw CourseFileError(path, 0, "cannot be read" + system_reason(errno));
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), size);
    if (in.gcount() != size)
        throw CourseFileError(path, 0, "cannot be read" + system_reason(errno));
    return bytes;
}

bool starts_with_byte_order_mark(std::string_view bytes) {
    return bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE';
}

// The line an editor shows the file's last byte on: one more than the LF bytes before it.
int line_of_last_byte(std::string_view bytes) {
    const std::string_view before = bytes.substr(0, bytes.size() - 1);
    return 1 + static_cast<int>(std::count(before.begin(), before.end(), kLf));
}

} // namespace

CourseFileError::CourseFileError(std::string file, int line, std::string problem)
    : std::runtime_error(error_message(file, line, problem)), m_file(std::move(file)), m_line(line),
      m_problem(std::move(problem)) {}

bool CourseTextReader::at_end() const {
    return m_eof_mark || m_pos >= m_bytes.size() || unit_at(m_pos) == kEndMark;
}

char16_t CourseTextReader::unit_at(std::size_t pos) const {
    if (pos + 1 >= m_bytes.size()) return 0xFFFF; // no whole unit there
    return static_cast<char16_t>(static_cast<unsigned char>(m_bytes[pos]) |
                                 static_cast<unsigned char>(m_bytes[pos + 1]) << 8);
}

UniString uni_read_line(CourseTextReader& reader) {
    const std::string& bytes = reader.m_bytes;
    std::size_t& pos = reader.m_pos;
    UniString line;

    // Line ends and the end mark are whole units: a byte 0A, 0D or 1A inside another
    // character (К is 1A 04, Ċ is 0A 01) is text like any other.
    std::size_t segment = pos; // start of the units not yet copied into the line
    while (pos + 1 < bytes.size()) {
        const char16_t unit = reader.unit_at(pos);
        if (unit == kLf || (unit == kCr && reader.unit_at(pos + 2) == kLf)) break;
        if (unit == kEndMark) {
            reader.m_eof_mark = true;
            break;
        }
        if (unit == kCr) { // a lone CR is dropped
            line.append(bytes, segment, pos - segment);
            segment = pos + 2;
        }
        pos += 2;
    }
    line.append(bytes, segment, pos - segment);
    if (pos + 1 == bytes.size()) line.push_back(bytes[pos++]); // a dangling odd byte

    if (!reader.m_eof_mark) {
        if (reader.unit_at(pos) == kCr) pos += 2;
        if (reader.unit_at(pos) == kLf) pos += 2;
    }
    // Every line ends with exactly one U+0000 unit, the last one too.
    line.append(2, '\0');
    return line;
}

std::optional<std::vector<UniString>> read_course_text_file(const std::string& path) {
    const std::optional<std::string> bytes = read_whole_file(path);
    if (!bytes) return std::nullopt;
    // Without this check a file saved in another encoding would lose its first
    // character to the skipped mark and then be read as nonsense.
    if (!starts_with_byte_order_mark(*bytes)) {
        throw CourseFileError(
            path, 1, "expected a UTF-16LE text file starting with the byte-order mark FF FE");
    }
    if (bytes->size() % 2 != 0) {
        throw CourseFileError(path, line_of_last_byte(*bytes),
                              "odd number of bytes: a UTF-16 text file holds whole two-byte "
                              "characters");
    }

    std::vector<UniString> lines;
    CourseTextReader reader(bytes->substr(2));
    while (!reader.at_end())
        lines.push_back(uni_read_line(reader));
    return lines;
}

std::optional<std::vector<std::string>> read_8bit_lines(const std::string& path) {
    const std::optional<std::string> bytes = read_whole_file(path);
    if (!bytes) return std::nullopt;

    std::vector<std::string> lines;
    std::string_view rest = *bytes;
    while (!rest.empty()) {
        const std::size_t lf = rest.find(kLf);
        std::string_view line = rest.substr(0, lf);
        rest = lf == std::string_view::npos ? std::string_view() : rest.substr(lf + 1);
        if (!line.empty() && line.back() == kCr) line.remove_suffix(1);
        lines.emplace_back(line);
    }
    return lines;
}

} // namespace vimo
