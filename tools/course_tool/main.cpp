#include "course_tool/course_tool.h"

#include <QCoreApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return vimo::run_course_tool(arguments, std::cout, std::cerr);
}
