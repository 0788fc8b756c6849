// main() of the tests of a machine without sound: before anything of Qt starts, the
// sound server is pointed at a socket that does not exist and its autospawn is turned
// off, for this program and the program it starts.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    const QString config = QDir::temp().filePath("vimo-no-autospawn.conf");
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly) || file.write("autospawn = no\n") < 0) return 2;
    file.close();
    qputenv("PULSE_CLIENTCONFIG", QFile::encodeName(config));
    qputenv("PULSE_SERVER", "unix:/nonexistent/vimo-no-sound/native");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
