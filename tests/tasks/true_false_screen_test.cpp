#include "controls/TransparentButton.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/true_false_screen.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class TfScreen : public ::testing::Test {
protected:
    TfScreen() {
        course.config.course_root = files.root();
        task.kind = "TF";
        task.header = uni_widen("T1#1#bg#Tick.#x#Tick.#");
        task.kind_line = qstring_to_uni(QString::fromUtf8(
            "TF#Prawda#True#Wahr#Verdadero#Fałsz#False#Falsch#Falso#T_Sky is blue#Snow is black#"
            "T_Grass is green#"));
        lesson = make_lesson_context("tek_1", {&task}, {1}, TextMedia::recording, "1");
        start_task(lesson, 1, {});
        form.open_task(lesson, task);
    }
    int index_of(const std::string& text) const {
        const auto& statements = form.engine().content().statements;
        for (std::size_t i = 0; i < statements.size(); ++i)
            if (uni_to_qstring(statements[i].text).toStdString() == text)
                return static_cast<int>(i);
        return -1;
    }

    test::TempCourse files;
    CourseState course;
    TMyImageList buttons;
    NoHelp help;
    test::ScriptedRandom random{{2, 0, 1}};
    TaskEntry task;
    LessonContext lesson;
    InstructionWordTable instructions;
    TC_TF_Form form{course, buttons, help, instructions, random};
};

TEST_F(TfScreen, BoxesSitUnderTheirTitlesBesideEachStatement) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TfLayout& layout = form.list().layout();
    const QFontMetrics title([] {
        QFont font("Verdana");
        font.setPointSize(10);
        font.setBold(true);
        return font;
    }());
    EXPECT_EQ(layout.columns_width,
              2 * std::max(title.horizontalAdvance("Prawda"),
                           title.horizontalAdvance(QString::fromUtf8("Fałsz"))) +
                  10);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form.trueBox(i).isVisible());
        // Centred on a quarter of the columns (the true one) and three quarters (false).
        EXPECT_EQ(form.trueBox(i).x() + form.trueBox(i).width() / 2 - form.list().x(),
                  layout.columns_width / 4);
        EXPECT_EQ(form.falseBox(i).x() + form.falseBox(i).width() / 2 - form.list().x(),
                  layout.columns_width / 4 * 3);
        EXPECT_EQ(form.trueBox(i).y(), form.falseBox(i).y());
    }
    EXPECT_FALSE(form.trueBox(3).isVisible());
    EXPECT_GT(form.trueBox(1).y(), form.trueBox(0).y());
}

TEST_F(TfScreen, TickingAndCheckingScoresAndMarks) {
    const int sky = index_of("Sky is blue");
    const int snow = index_of("Snow is black");
    ASSERT_GE(sky, 0);
    QTest::mouseClick(&form.falseBox(sky), Qt::LeftButton);
    QTest::mouseClick(&form.trueBox(sky), Qt::LeftButton); // the last tick counts
    QTest::mouseClick(&form.trueBox(snow), Qt::LeftButton);
    EXPECT_TRUE(form.engine().choice(sky).true_chosen);
    EXPECT_FALSE(form.engine().choice(sky).false_chosen);
    QTest::mouseClick(&form.checkButton(), Qt::LeftButton);
    EXPECT_EQ(form.attempt().correct, 1);
    EXPECT_EQ(form.attempt().score(), 33);
    EXPECT_EQ(form.scorePanel().wynik(), 33);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form.resultMark(i).isVisible());
        EXPECT_EQ(form.resultMark(i).y(), form.trueBox(i).y());
    }
    EXPECT_EQ(form.engine().result(snow), TfResult::wrong_column);
    QTest::mouseClick(&form.falseBox(snow), Qt::LeftButton);
    EXPECT_FALSE(form.engine().choice(snow).false_chosen) << "frozen after checking";
}

} // namespace
} // namespace vimo
