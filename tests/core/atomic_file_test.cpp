#include "core/atomic_file.h"
#include "support/temp_course.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace vimo {
namespace {

std::string content_of(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return "<missing>";
    return file.readAll().toStdString();
}

QStringList files_in(const std::string& folder) {
    return QDir(QString::fromStdString(folder)).entryList(QDir::Files | QDir::Hidden);
}

class AtomicFile : public ::testing::Test {
protected:
    test::TempCourse folder;
};

TEST_F(AtomicFile, CreatesAndReplacesWholeFiles) {
    const std::string path = folder.path("usr.t");
    write_file_atomically(path, "1=Ala\r\n");
    EXPECT_EQ(content_of(path), "1=Ala\r\n");
    write_file_atomically(path, std::string("\0\x01", 2));
    EXPECT_EQ(content_of(path), std::string("\0\x01", 2));
    EXPECT_EQ(files_in(folder.root()), QStringList{"usr.t"});
}

TEST_F(AtomicFile, AnInterruptedWriteKeepsThePreviousFile) {
    const std::string path = folder.path("v1r2_55");
    write_file_atomically(path, "old records");
    std::string seen_temporary;
    const auto crash = [&seen_temporary](const std::string& temporary) {
        seen_temporary = content_of(temporary);
        throw FileWriteError(temporary, "simulated crash before the rename");
    };
    EXPECT_THROW(write_file_atomically(path, "new records", crash), FileWriteError);
    EXPECT_EQ(seen_temporary, "new records"); // the new bytes were complete on disk
    EXPECT_EQ(content_of(path), "old records");
    EXPECT_EQ(files_in(folder.root()), QStringList{"v1r2_55"}); // no temporary left behind
}

TEST_F(AtomicFile, AFolderThatDoesNotExistIsAnErrorNamingThePath) {
    const std::string path = folder.path("7/ustaw_v1r2_55.txt");
    try {
        write_file_atomically(path, "0\r\n");
        ADD_FAILURE() << "wrote into a missing folder";
    } catch (const FileWriteError& error) {
        EXPECT_EQ(error.path(), path);
    }
}

} // namespace
} // namespace vimo
