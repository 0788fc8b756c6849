#include "results/record_file.h"

#include "core/atomic_file.h"
#include "core/dates.h"
#include "core/paths.h"
#include "core/text_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace vimo {

namespace {

// "yyyy-mm-dd-hhmmss" of now, for file names.
std::string file_stamp(const Clock& clock) {
    std::string text = day_count_date_time_text(now_day_count(clock));
    std::replace(text.begin(), text.end(), ' ', '-');
    std::erase(text, ':');
    return text;
}

std::string free_copy_path(const std::string& path, const Clock& clock) {
    const std::string base = path + ".damaged-" + file_stamp(clock);
    std::string candidate = base;
    for (int n = 2; path_exists(candidate); ++n)
        candidate = base + "-" + std::to_string(n);
    return candidate;
}

std::string compose_message(const std::string& path, std::string_view what,
                            const LoadNotice& notice, std::size_t capacity,
                            const std::string& copy_failure) {
    const RecordFileShape& shape = notice.shape;
    std::string text = std::string(what) + " „" + path + "” był uszkodzony.";
    text += " Wczytano pełne rekordy: " + std::to_string(shape.records) + ".";
    if (shape.trailing_bytes > 0) {
        text += " Pominięto niepełny rekord na końcu pliku (bajtów: " +
                std::to_string(shape.trailing_bytes) + ").";
    }
    if (shape.over_capacity > 0) {
        text += " Pominięto rekordy ponad limit " + std::to_string(capacity) + ": " +
                std::to_string(shape.over_capacity) + ".";
    }
    if (shape.malformed > 0) {
        text += " Rekordy ze zbyt długimi polami tekstowymi (skrócono je): " +
                std::to_string(shape.malformed) + ".";
    }
    if (!notice.damaged_copy.empty())
        text += " Kopia uszkodzonego pliku: „" + notice.damaged_copy + "”.";
    else
        text += " Nie udało się zachować kopii uszkodzonego pliku: " + copy_failure + ".";
    return text;
}

} // namespace

std::optional<std::string> read_record_file(const std::string& path) {
    const std::string resolved = resolve_path(path);
    std::error_code error;
    const auto status = std::filesystem::status(resolved, error);
    if (status.type() == std::filesystem::file_type::not_found) return std::nullopt;
    if (error) throw CourseFileError(resolved, 0, "cannot be read: " + error.message());
    if (!std::filesystem::is_regular_file(status))
        throw CourseFileError(resolved, 0, "is not a file");
    std::ifstream file(resolved, std::ios::binary);
    if (!file) throw CourseFileError(resolved, 0, "cannot be opened");
    std::string bytes;
    char chunk[1 << 16];
    while (file.read(chunk, sizeof chunk) || file.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(file.gcount()));
    if (file.bad()) throw CourseFileError(resolved, 0, "cannot be read");
    return bytes;
}

RecordFileShape shape_of_record_file(std::size_t file_size, std::size_t record_size,
                                     std::size_t capacity) {
    RecordFileShape shape;
    const std::size_t whole = file_size / record_size;
    shape.records = std::min(whole, capacity);
    shape.over_capacity = whole - shape.records;
    shape.trailing_bytes = file_size % record_size;
    return shape;
}

LoadNotice report_damaged_file(const std::string& path, std::string_view what,
                               std::string_view bytes, const RecordFileShape& shape,
                               std::size_t capacity, const Clock& clock) {
    LoadNotice notice;
    notice.shape = shape;
    const std::string resolved = resolve_path(path);
    std::string copy_failure;
    try {
        const std::string copy = free_copy_path(resolved, clock);
        write_file_atomically(copy, bytes);
        notice.damaged_copy = copy;
    } catch (const FileWriteError& error) {
        copy_failure = error.what();
    }
    notice.message = compose_message(resolved, what, notice, capacity, copy_failure);
    return notice;
}

} // namespace vimo
