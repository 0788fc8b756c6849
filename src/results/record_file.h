#pragma once
// Reading the learner's record files (results, repetitions): plain sequences of
// fixed-size records. A damaged file does not cost the learner the records it still
// holds whole: they are loaded, a copy of the damaged file is kept beside it, and the
// caller gets a notice to show.

#include "core/clock.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vimo {

// The bytes of the file at path (resolved); nullopt when it does not exist. Throws
// CourseFileError when it exists but cannot be read, so that no caller mistakes an
// unreadable file for a missing one and replaces it.
std::optional<std::string> read_record_file(const std::string& path);

// How a file's bytes divide into the records a table of `capacity` takes.
struct RecordFileShape {
    std::size_t records = 0;        // whole records to load
    std::size_t over_capacity = 0;  // whole records beyond the capacity, not loaded
    std::size_t trailing_bytes = 0; // bytes of an incomplete last record, not loaded
    std::size_t malformed = 0;      // loaded records whose length bytes had to be cut
    bool damaged() const { return over_capacity > 0 || trailing_bytes > 0 || malformed > 0; }
};
RecordFileShape shape_of_record_file(std::size_t file_size, std::size_t record_size,
                                     std::size_t capacity);

// What a load found wrong and what was done about it; empty when the file was whole.
struct LoadNotice {
    RecordFileShape shape;
    std::string damaged_copy; // the copy kept beside the file; empty if it could not be made
    std::string message;      // for the learner (UTF-8), naming the file
    bool damaged() const { return !message.empty(); }
};

// Keeps `bytes` as path + ".damaged-yyyy-mm-dd-hhmmss" (local time; "-2", "-3", ...
// appended when that name is taken) and composes the notice. `what` names the kind
// of file in the message ("Plik wyników").
LoadNotice report_damaged_file(const std::string& path, std::string_view what,
                               std::string_view bytes, const RecordFileShape& shape,
                               std::size_t capacity, const Clock& clock);

} // namespace vimo
