#include "app/app_context.h"
#include "controls/my_hint.h"

#include <QApplication>
#include <string>
#include <vector>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Every hint of every screen is shown by the program's own hint window.
    vimo::install_my_hint(application);
    QApplication::setApplicationName("lexaro-vimo");
    QApplication::setApplicationDisplayName(
        QString::fromUtf8("Lexaro Vimo - Rozumienie ze słuchu"));

    std::vector<std::string> arguments(argv + 1, argv + argc);
    vimo::AppContext context;
    const int status =
        context.start(QCoreApplication::applicationDirPath().toStdString(), arguments);
    if (status >= 0) return status;
    return QApplication::exec();
}
