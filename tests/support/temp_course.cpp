#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <stdexcept>

namespace vimo::test {

TempCourse::TempCourse() {
    if (!m_dir.isValid()) throw std::runtime_error("cannot create a temporary folder");
}

std::string TempCourse::root() const {
    return m_dir.path().toStdString() + "/";
}

void TempCourse::make_folder(const std::string& relative) const {
    QDir().mkpath(QString::fromStdString(path(relative)));
}

void TempCourse::write_bytes(const std::string& relative, const std::string& bytes) const {
    const QString file_path = QString::fromStdString(path(relative));
    QDir().mkpath(QFileInfo(file_path).path());
    QFile file(file_path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        throw std::runtime_error("cannot write " + file_path.toStdString());
    }
    file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void TempCourse::write_8bit(const std::string& relative,
                            const std::vector<std::string>& lines) const {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    write_bytes(relative, bytes);
}

void TempCourse::write_utf16(const std::string& relative,
                             const std::vector<std::string>& lines) const {
    std::string bytes = "\xFF\xFE";
    for (const std::string& line : lines) {
        for (const char16_t unit : QString::fromStdString(line + "\r\n").toStdU16String()) {
            bytes += static_cast<char>(unit & 0xFF);
            bytes += static_cast<char>(unit >> 8);
        }
    }
    write_bytes(relative, bytes);
}

void TempCourse::write_minimal_course() const {
    write_8bit("vr60.ini", {"Lexaro", "MR=" + root()});
    write_8bit("prof_r.txt", {"Test course", "1", "0"});
    write_utf16("Lang_r/0/infa_ru.txt", {"1=first=Pierwszy=", "2=second=Drugi="});
    write_utf16("Lang_r/0/nazwy_ru.txt", {"G1=Gramatyka"});
    write_utf16("Lang_r/0/grau.txt", {"1=x=G1=Gramatyka="});
    write_8bit("rozumienia_a.txt", {"1=1=1=My morning="});
    write_utf16("St_au.txt", {"T1#1#bg#instr#", "MC#Q=T_a=b#", "0=", "-----"});
}

} // namespace vimo::test
