#pragma once
// A course with help pages, button pictures and interface texts for the help and
// reading window tests.

#include "controls/MyImageList.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "core/course_state.h"
#include "core/uni.h"
#include "support/temp_course.h"

#include <QImage>
#include <QString>
#include <memory>
#include <string>
#include <vector>

namespace vimo::test {

inline std::string help_paragraphs(int count, const std::string& word) {
    std::string text;
    for (int n = 1; n <= count; ++n)
        text += "<p>" + word + " " + std::to_string(n) + "</p>\n";
    return text;
}

inline std::string help_page(const std::string& body) {
    return "<html><head><meta charset=\"utf-8\"></head><body>" + body + "</body></html>";
}

inline void save_solid(const TempCourse& course, const std::string& relative, QSize size,
                       const QColor& colour) {
    const std::string folder = relative.substr(0, relative.rfind('/'));
    course.make_folder(folder);
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    image.save(QString::fromStdString(course.path(relative)), "BMP");
}

class HelpCourse {
public:
    HelpCourse() {
        for (int n = 0; n < button_picture::kButtonPictureCount; ++n) {
            // Two frames of 30 by 20; the bottom row is the key colour.
            QImage strip(60, 20, QImage::Format_RGB32);
            strip.fill(Qt::darkBlue);
            for (int x = 0; x < 60; ++x)
                strip.setPixelColor(x, 19, QColor(255, 0, 255));
            course.make_folder("Lang_r/0/but_r");
            strip.save(
                QString::fromStdString(course.path("Lang_r/0/but_r/" + std::to_string(n) + ".bmp")),
                "BMP");
        }
        course.write_bytes("Htm_r/h_index.html",
                           help_page("<p><a href=\"h_comp.html#filmy\">Filmy</a></p>"
                                     "<p><a href=\"brak.html\">Brak</a></p>"));
        course.write_bytes(
            "Htm_r/h_comp.html",
            help_page("<p><a href=\"h_log.html\">Logowanie</a></p>" + help_paragraphs(90, "Wybor") +
                      "<h2><a name=\"filmy\">Filmy</a></h2>" + help_paragraphs(90, "Dalej")));
        course.write_bytes("Htm_r/h_log.html", help_page("<p>Nowy uczen</p>"));

        state.config.course_root = course.root();
        state.config.window_caption = "Kurs";
        std::vector<UniString> lines;
        for (int n = 1; n <= 130; ++n) {
            std::string text = "tekst " + std::to_string(n);
            if (n == 53) text = "Wstecz";
            if (n == 54) text = "Drukuj strone";
            if (n == 55) text = "Spis tresci";
            if (n == 128) text = "Wydruk wyslany";
            lines.push_back(
                uni_widen(std::to_string(n) + "=t" + std::to_string(n) + "=" + text + "="));
        }
        state.texts.set_lines(lines);
        load_button_pictures(buttons, state.config.language_path(""));
        messages = std::make_unique<TForm20>(state.config, &buttons, button_picture::close);
    }

    TempCourse course;
    CourseState state;
    TMyImageList buttons;
    std::unique_ptr<TForm20> messages;
};

} // namespace vimo::test
