#pragma once
// Writing the files the program owns (results, repetitions, settings, the learner
// list) so that a crash or a full disk never leaves a half-written file: the bytes go
// to a temporary file in the same folder, are flushed to disk, and the temporary file
// is then renamed over the old one.

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vimo {

class FileWriteError : public std::runtime_error {
public:
    FileWriteError(const std::string& path, const std::string& reason);
    const std::string& path() const { return m_path; }

private:
    std::string m_path;
};

// Called with the temporary file's path after it is written and flushed, before the
// rename. Tests pass one that throws, to show that an interrupted write keeps the old
// file; the program passes none.
using BeforeRename = std::function<void(const std::string& temporary_path)>;

// Replaces the file at path (a local path, already resolved) with bytes. On failure
// (or when before_rename throws) the previous file is unchanged and no temporary file
// is left behind; failures throw FileWriteError.
void write_file_atomically(const std::string& path, std::string_view bytes,
                           const BeforeRename& before_rename = {});

} // namespace vimo
