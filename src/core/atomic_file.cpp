#include "core/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace vimo {

namespace {

std::string reason_from_errno() {
    return std::strerror(errno);
}

// Owns the temporary file until it is renamed: closes it and removes it otherwise.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& target) : m_path(target + ".tmp-XXXXXX") {
        m_fd = ::mkstemp(m_path.data());
        if (m_fd < 0)
            throw FileWriteError(target, "cannot create a temporary file: " + reason_from_errno());
    }
    ~TemporaryFile() {
        close();
        if (!m_renamed) ::unlink(m_path.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    int fd() const { return m_fd; }
    const std::string& path() const { return m_path; }
    void close() {
        if (m_fd >= 0) ::close(m_fd);
        m_fd = -1;
    }
    void renamed() { m_renamed = true; }

private:
    std::string m_path;
    int m_fd = -1;
    bool m_renamed = false;
};

void write_all(int fd, std::string_view bytes, const std::string& target) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            throw FileWriteError(target, "cannot write: " + reason_from_errno());
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace

FileWriteError::FileWriteError(const std::string& path, const std::string& reason)
    : std::runtime_error(path + ": " + reason), m_path(path) {}

void write_file_atomically(const std::string& path, std::string_view bytes,
                           const BeforeRename& before_rename) {
    TemporaryFile temporary(path);
    write_all(temporary.fd(), bytes, path);
    if (::fsync(temporary.fd()) != 0) {
        throw FileWriteError(path, "cannot flush to disk: " + reason_from_errno());
    }
    // mkstemp makes the file readable by its owner only; course files are ordinary files.
    ::fchmod(temporary.fd(), 0644);
    temporary.close();
    if (before_rename) before_rename(temporary.path());
    if (::rename(temporary.path().c_str(), path.c_str()) != 0) {
        throw FileWriteError(path, "cannot replace the file: " + reason_from_errno());
    }
    temporary.renamed();
}

} // namespace vimo
