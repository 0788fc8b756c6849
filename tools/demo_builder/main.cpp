// vimo-demo-build SOURCE_DIR OUTPUT_DIR: writes the demo course from the readable
// sources in SOURCE_DIR (the repository's demo/ folder) into OUTPUT_DIR.

#include "demo_builder/artwork.h"
#include "demo_builder/course_pictures.h"
#include "demo_builder/demo_course.h"
#include "demo_builder/source_text.h"
#include "demo_builder/speech_build.h"

#include <QGuiApplication>
#include <iostream>

int main(int argc, char* argv[]) {
    // Fonts need a QGuiApplication; the offscreen platform lets the build run without
    // a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    const QGuiApplication app(argc, argv);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 3) {
        std::cerr << "usage: vimo-demo-build SOURCE_DIR OUTPUT_DIR\n";
        return 2;
    }
    try {
        const QString source = arguments[1];
        const QString output = arguments[2];
        const qsizetype written = vimo::build_demo_texts(source, output).size() +
                                  vimo::build_demo_pictures(source, output).size() +
                                  vimo::build_course_pictures(source, output).size();
        const vimo::SpeechBuild speech = vimo::build_demo_speech(source, output);
        std::cout << "vimo-demo-build: " << written + speech.written.size()
                  << " files written into " << vimo::course_root_path(output).toStdString() << " ("
                  << speech.written.size() << " recordings made, " << speech.unchanged
                  << " unchanged)\n";
        return 0;
    } catch (const vimo::DemoSourceError& error) {
        std::cerr << "vimo-demo-build: " << error.what() << '\n';
        return 1;
    }
}
