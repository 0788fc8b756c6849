#pragma once
// A course tree in a temporary folder, removed when the test ends.

#include <QTemporaryDir>
#include <string>
#include <vector>

namespace vimo::test {

class TempCourse {
public:
    TempCourse();
    // The folder, ending with "/".
    std::string root() const;
    std::string path(const std::string& relative) const { return root() + relative; }

    // Raw bytes.
    void write_bytes(const std::string& relative, const std::string& bytes) const;
    // Lines of 8-bit text (already in the file's encoding), each ended with CR LF.
    void write_8bit(const std::string& relative, const std::vector<std::string>& lines) const;
    // UTF-8 lines written as a course text file: FF FE, UTF-16LE, CR LF after each.
    void write_utf16(const std::string& relative, const std::vector<std::string>& lines) const;
    void make_folder(const std::string& relative) const;
    // The smallest course the program starts on: vr60.ini, prof_r.txt, the files of
    // the language folder 0 and one comprehension text with one task.
    void write_minimal_course() const;

private:
    QTemporaryDir m_dir;
};

} // namespace vimo::test
