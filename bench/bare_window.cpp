// The smallest Qt Widgets program that puts a window on the screen: the baseline the
// start-up comparison measures the program against.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setFixedSize(460, 300);
    window.show();
    return application.exec();
}
