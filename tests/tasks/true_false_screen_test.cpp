#include "controls/TransparentButton.h"
#include "controls/panel1.h"
#include "controls/picture_controls.h"
#include "core/qt_text.h"
#include "exercises/tasks/true_false_screen.h"
#include "support/screen_services_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

class TfScreen : public ::testing::Test, protected test::ScreenServicesFixture {
protected:
    TfScreen() : ScreenServicesFixture({2, 0, 1}) {
        // Five pictures of their own colours, so that a mix-up shows.
        files.make_folder("gfx_r");
        const std::pair<const char*, QColor> pictures[] = {{"img_normal", Qt::white},
                                                           {"img_checked", Qt::blue},
                                                           {"img_bad", Qt::yellow},
                                                           {"stan_ok", Qt::green},
                                                           {"stan_bad", Qt::red}};
        for (const auto& [name, colour] : pictures) {
            QImage image(18, 18, QImage::Format_RGB32);
            image.fill(colour);
            image.setPixelColor(0, 17, QColor(255, 0, 255)); // the see-through colour
            image.save(QString::fromStdString(files.path(std::string("gfx_r/") + name + ".bmp")));
        }
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

    TaskEntry task;
    LessonContext lesson;
    TC_TF_Form form{services};
};

TEST_F(TfScreen, BoxesSitUnderTheirTitlesBesideEachStatement) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const TfLayout& layout = form.list().layout();
    // "Prawda", the wider title, is 55 pixels wide in the bold list font (Verdana falls
    // back to DejaVu Sans Bold here): the columns are twice that plus 10.
    EXPECT_EQ(layout.columns_width, 120);
    EXPECT_EQ(layout.middle, 60);
    EXPECT_EQ(layout.true_title_x, 3);
    EXPECT_EQ(form.list().pos(), QPoint(50, 150));
    // The 18-pixel boxes are centred on a quarter (30) and three quarters (90) of the
    // columns, one statement line (24) apart, from 24 below the list's top.
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form.true_box(i).isVisible());
        EXPECT_EQ(form.true_box(i).pos(), QPoint(50 + 30 - 9, 150 + 24 + 24 * i)) << i;
        EXPECT_EQ(form.false_box(i).pos(), QPoint(50 + 90 - 9, 150 + 24 + 24 * i)) << i;
    }
    EXPECT_FALSE(form.true_box(3).isVisible());
}

TEST_F(TfScreen, ARightClickOnAStatementsWordLooksItUp) {
    std::vector<std::string> looked_up;
    form.set_links({.look_up = [&](const UniString& word, int mode) {
        EXPECT_EQ(mode, 0);
        looked_up.push_back(uni_to_qstring(word).toStdString());
    }});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (const TfWord& word : form.list().layout().words) {
        if (uni_to_qstring(word.text) != "black") continue;
        QTest::mouseClick(&form.list(), Qt::RightButton, {},
                          QPoint(word.x + word.width / 2, word.y + 8));
        QTest::mouseClick(&form.list(), Qt::LeftButton, {},
                          QPoint(word.x + word.width / 2, word.y + 8));
    }
    EXPECT_EQ(looked_up, std::vector<std::string>{"black"});
}

TEST_F(TfScreen, TickingAndCheckingScoresAndMarks) {
    const int sky = index_of("Sky is blue");
    const int snow = index_of("Snow is black");
    ASSERT_GE(sky, 0);
    QTest::mouseClick(&form.false_box(sky), Qt::LeftButton);
    QTest::mouseClick(&form.true_box(sky), Qt::LeftButton); // the last tick counts
    QTest::mouseClick(&form.true_box(snow), Qt::LeftButton);
    EXPECT_TRUE(form.engine().choice(sky).true_chosen);
    EXPECT_FALSE(form.engine().choice(sky).false_chosen);
    QTest::mouseClick(&form.check_button(), Qt::LeftButton);
    EXPECT_EQ(form.attempt().correct, 1);
    EXPECT_EQ(form.attempt().score(), 33);
    EXPECT_EQ(form.score_panel().wynik(), 33);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(form.result_mark(i).isVisible());
        EXPECT_EQ(form.result_mark(i).y(), form.true_box(i).y());
    }
    EXPECT_EQ(form.engine().result(snow), TfResult::wrong_column);

    // Each statement's boxes and mark show what became of it.
    const int grass = index_of("Grass is green");
    const AnswerPictures pictures = AnswerPictures::load(course.config);
    struct Shown {
        int statement;
        const QImage& true_box;
        const QImage& false_box;
        const QImage& mark;
    };
    const Shown shown[] = {
        {sky, pictures.box_checked, pictures.box_normal, pictures.mark_ok},
        {snow, pictures.box_bad, pictures.box_checked, pictures.mark_bad},     // ticked wrongly
        {grass, pictures.box_checked, pictures.box_normal, pictures.mark_bad}, // left blank
    };
    for (const Shown& s : shown) {
        EXPECT_EQ(form.true_box(s.statement).picture(), s.true_box) << s.statement;
        EXPECT_EQ(form.false_box(s.statement).picture(), s.false_box) << s.statement;
        EXPECT_EQ(form.result_mark(s.statement).picture(), s.mark) << s.statement;
    }
    QTest::mouseClick(&form.false_box(snow), Qt::LeftButton);
    EXPECT_FALSE(form.engine().choice(snow).false_chosen) << "frozen after checking";
}

} // namespace
} // namespace vimo
