#include "fuzz_course.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

namespace vimo::fuzz {

namespace {

namespace fs = std::filesystem;

// Every run writes files: in memory where the system offers a memory file system.
fs::path scratch_folder() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

// A temporary course folder, removed when the process ends normally.
class FuzzCourse {
public:
    FuzzCourse() {
        std::string pattern = (scratch_folder() / "vimo-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
        m_root = pattern;
        m_config.course_root = m_root.string() + "/";
        m_config.variant_letter = 'a';
        m_config.language_folder = "Lang_r\\0\\";
    }
    ~FuzzCourse() {
        std::error_code ec;
        fs::remove_all(m_root, ec);
    }
    FuzzCourse(const FuzzCourse&) = delete;
    FuzzCourse& operator=(const FuzzCourse&) = delete;

    const Config& config() const { return m_config; }
    void write(const std::string& relative, const std::string& bytes) const {
        const fs::path path = m_root / relative;
        fs::create_directories(path.parent_path());
        // A fresh file rather than a truncated one: ext4 flushes a truncated file to
        // disk when it is closed, which would slow every run down to disk speed.
        std::error_code ec;
        fs::remove(path, ec);
        std::ofstream(path, std::ios::binary) << bytes;
    }

private:
    fs::path m_root;
    Config m_config;
};

const FuzzCourse& course() {
    static const FuzzCourse instance;
    return instance;
}

} // namespace

std::string utf16_file(const std::uint8_t* data, std::size_t size) {
    return "\xFF\xFE" + plain_file(data, size);
}

std::string plain_file(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

void load(const std::string& bytes, std::initializer_list<Target> targets) {
    for (const Target& target : targets) {
        course().write(target.file, bytes);
        CourseTables tables;
        CourseProblems problems;
        target.loader(course().config(), tables, problems);
    }
}

} // namespace vimo::fuzz
