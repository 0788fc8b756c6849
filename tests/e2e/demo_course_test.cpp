// The demo course as the builder wrote it, read by the program's own start-up code.
#include "core/course_state.h"
#include "core/interface_texts.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "core/startup.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

namespace vimo {
namespace {

TEST(DemoCourse, StartsCleanlyWithBothInterfaceLanguages) {
    const QString previous = QDir::currentPath();
    const Configuration configuration = configure(VIMO_DEMO_COURSE);
    QDir::setCurrent(previous);
    ASSERT_EQ(configuration.stop, StartupStop::none);
    EXPECT_TRUE(configuration.messages.empty());
    // The builder points the media root into the course itself.
    EXPECT_EQ(
        QDir(QString::fromStdString(resolve_path(configuration.config.media_root))).canonicalPath(),
        QDir(VIMO_DEMO_COURSE).canonicalPath());
    EXPECT_EQ(cp1250_to_qstring(configuration.config.window_caption).left(11), "Lexaro Vimo");

    EXPECT_EQ(available_languages(configuration.config.course_root), (std::vector<int>{0, 1}));
    for (const int language : {0, 1}) {
        CourseState state;
        state.config = configuration.config;
        set_interface_language(state.config, language);
        CourseProblems problems;
        load_language_tables(state, problems);
        EXPECT_TRUE(problems.all().empty()) << language;
        EXPECT_EQ(state.texts.count(), 184) << language;
        // The texts the start-up screens and the main menu use have wording.
        for (const int n : {63, 83, 183}) {
            EXPECT_FALSE(uni_to_qstring(state.texts.text(n)).isEmpty()) << language << ": " << n;
        }
        const QImage menu(QString::fromStdString(
            resolve_path(state.config.language_path("gfx_r\\Main_rozum.jpg"))));
        EXPECT_EQ(menu.size(), QSize(1024, 768)) << language;
        const QImage exit_picture(
            QString::fromStdString(resolve_path(state.config.language_path("gfx_r\\koniec.bmp"))));
        EXPECT_EQ(exit_picture.size(), QSize(420, 220)) << language;
    }
}

} // namespace
} // namespace vimo
