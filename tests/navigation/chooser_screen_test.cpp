#include "controls/TransparentButton.h"
#include "controls/UniLabel.h"
#include "controls/fcs_image1.h"
#include "controls/message_window.h"
#include "navigation/chooser_fixture.h"
#include "navigation/chooser_screen.h"
#include "navigation/chooser_view.h"
#include "navigation/delete_repetitions_screen.h"
#include "support/modal.h"
#include "support/recording_help.h"

#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

namespace vimo {
namespace {

using test::when_modal_shown;

// A point on the caption or the expander of a visible row, in list coordinates.
QPoint caption_point(const VisibleRow& row, int index, int first_visible) {
    return {row.caption_x + 4, row_y(index, first_visible) + 8};
}
QPoint expander_point(const VisibleRow& row, int index, int first_visible) {
    return {row.caption_x - kExpanderOffset + 4, row_y(index, first_visible) + 8};
}

class ChooserScreen : public test::ChooserTest {
protected:
    ChooserScreen() {
        files.make_folder("1");
        course.config.learner_folder = files.path("1/");
        form.setLinks({
            .open = [this](const OpenContext& context) { opened.push_back(context); },
            .print = {},
            .all_repetitions_deleted = [this] { ++all_deleted; },
        });
    }

    void open(int mode) {
        form.open(mode);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }
    int row_count() { return static_cast<int>(form.chooser().rows().size()); }
    VisibleRow row(int index) { return form.chooser().rows().at(static_cast<std::size_t>(index)); }
    void click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&form.list(), button, {}, at);
    }
    std::string repetition_file() const { return repetitions_file_path(course.config); }

    TMyImageList buttons;
    test::RecordingHelp help;
    TForm20 message_window{course.config, &buttons, 43};
    Tkas_powt_Form confirmation{course, buttons};
    TWyborForm form{course,  results,        repetitions,  clock,
                    buttons, message_window, confirmation, help};
    std::vector<OpenContext> opened;
    int all_deleted = 0;
};

TEST_F(ChooserScreen, ExpanderAndGroupCaptionToggleAndALeafOpensWithoutRecording) {
    add("tek_1", '(', 1, 40, 1);
    add("tek_1", ')', 1, 60, 1);
    add("lst_1", '9', 1);
    open(1);
    ASSERT_EQ(row_count(), 2); // the two groups, folded
    click(expander_point(row(0), 0, 0));
    ASSERT_EQ(row_count(), 4); // group 1 shows its text and its letter
    click(caption_point(row(1), 1, 0));
    ASSERT_EQ(row_count(), 6); // the text shows its two tasks
    EXPECT_TRUE(opened.empty());

    const std::vector<cw_Info> before = results.records();
    click(caption_point(row(3), 3, 0)); // the second task of the text
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].name, "tek_1");
    EXPECT_EQ(opened[0].kind, ')');
    EXPECT_EQ(opened[0].ordinal, 2);
    EXPECT_EQ(results.records(), before);

    click(caption_point(row(0), 0, 0)); // folding the group by its caption
    EXPECT_EQ(row_count(), 2);
}

TEST_F(ChooserScreen, ExpandAllAndCollapseAllSwapAndReturnToTheFirstRow) {
    for (int i = 1; i <= 40; ++i)
        add("slo_" + std::to_string(i), '4', 1);
    open(1);
    EXPECT_TRUE(form.expandAllButton().isVisible());
    EXPECT_FALSE(form.collapseAllButton().isVisible());
    EXPECT_FALSE(form.downArrow().isVisible());

    QTest::mouseClick(&form.expandAllButton(), Qt::LeftButton);
    EXPECT_EQ(row_count(), 42);
    EXPECT_FALSE(form.expandAllButton().isVisible());
    EXPECT_TRUE(form.collapseAllButton().isVisible());
    EXPECT_TRUE(form.downArrow().isVisible());
    EXPECT_FALSE(form.upArrow().isVisible());

    QTest::mouseClick(&form.downArrow(), Qt::LeftButton);
    EXPECT_EQ(form.chooser().first_visible(), 1);
    EXPECT_TRUE(form.upArrow().isVisible());

    QTest::mouseClick(&form.collapseAllButton(), Qt::LeftButton);
    EXPECT_EQ(row_count(), 2);
    EXPECT_EQ(form.chooser().first_visible(), 0);
    EXPECT_TRUE(form.expandAllButton().isVisible());
}

TEST_F(ChooserScreen, RightClickOffersDeletingOneRepetitionOnlyInRepetitionMode) {
    const int first = add("tek_1", '(', 1, 10, 1);
    const int second = add("tek_1", ')', 1, 10, 1);
    repeat(first, 1, 0);
    repeat(second, 2, 0);

    open(1);
    QTest::mouseClick(&form.expandAllButton(), Qt::LeftButton);
    click(caption_point(row(2), 2, 0), Qt::RightButton);
    EXPECT_FALSE(form.deleteOneButton().isVisible()) << "mode 1 offers no deletion";
    form.close();

    open(2);
    EXPECT_TRUE(form.deleteAllButton().isVisible());
    QTest::mouseClick(&form.expandAllButton(), Qt::LeftButton);
    ASSERT_EQ(row_count(), 5); // both groups, the text and its two due tasks
    const QPoint at = caption_point(row(3), 3, 0);
    click(at, Qt::RightButton);
    ASSERT_TRUE(form.deleteOneButton().isVisible());
    EXPECT_EQ(form.deleteOneButton().pos(), TWyborForm::kListAt + at - QPoint(10, 10));
    EXPECT_EQ(form.boundRow(), 3);

    QTest::mouseClick(&form.deleteOneButton(), Qt::LeftButton);
    EXPECT_FALSE(form.deleteOneButton().isVisible());
    EXPECT_EQ(row_count(), 4);
    EXPECT_FALSE(repetitions.powt_is_due("tek_1", ')', 2, clock));
    EXPECT_TRUE(repetitions.powt_is_due("tek_1", '(', 1, clock));
    // The file on disk no longer holds the deleted repetition.
    RepetitionStore saved;
    saved.powt_load(repetition_file(), clock);
    EXPECT_FALSE(saved.powt_is_due("tek_1", ')', 2, clock));
    EXPECT_TRUE(saved.powt_is_due("tek_1", '(', 1, clock));
}

TEST_F(ChooserScreen, DeletingAllRepetitionsAsksFirst) {
    repeat(add("tek_1", '(', 1, 10, 1), 0, 0);
    open(2);
    when_modal_shown([](QWidget& w) { QTest::keyClick(&w, Qt::Key_Escape); });
    QTest::mouseClick(&form.deleteAllButton(), Qt::LeftButton);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(repetition_file())))
        << "a cancelled deletion writes nothing";
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(all_deleted, 0);

    std::string message;
    when_modal_shown([&message](QWidget& w) {
        auto* ok = w.findChild<TTransparentButton*>("B_OK");
        ASSERT_NE(ok, nullptr);
        // The message window follows the confirmation.
        when_modal_shown([&message](QWidget& shown) {
            message = shown.findChild<TUniLabel*>()->shownText().toStdString();
            QTest::keyClick(&shown, Qt::Key_Escape);
        });
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTest::mouseClick(&form.deleteAllButton(), Qt::LeftButton);
    EXPECT_EQ(message, "T184");
    EXPECT_EQ(all_deleted, 1);
    EXPECT_FALSE(form.isVisible());
    QFile file(QString::fromStdString(repetition_file()));
    ASSERT_TRUE(file.exists());
    EXPECT_EQ(file.size(), 0);
}

TEST_F(ChooserScreen, HelpFollowsTheMode) {
    open(1);
    QTest::keyClick(&form, Qt::Key_F1);
    form.close();
    open(2);
    QTest::keyClick(&form, Qt::Key_F1);
    QTest::mouseClick(form.findChild<TTransparentButton*>("btn_help"), Qt::LeftButton);
    EXPECT_EQ(help.pages,
              (std::vector<std::string>{"Htm_r\\h_comp.html#wybor", "Htm_r\\h_rep.html"}));
    EXPECT_EQ(help.key_texts(), (std::vector<std::string>{"HH_T163"}));
}

// The bar is cut from the piece its width falls in: score 26 gives 25 pixels of the
// first piece, 27 gives 26 pixels of the second.
TEST(ChooserPaint, ScoreBarIsCutToItsWidthFromItsPiece) {
    ChooserPictures pictures;
    const QColor pieces[] = {Qt::red, QColor(255, 128, 0), Qt::yellow, Qt::green};
    for (std::size_t i = 0; i < 4; ++i) {
        pictures.bars[i] = QImage(98, 12, QImage::Format_ARGB32);
        pictures.bars[i].fill(pieces[i]);
    }
    for (const auto& [score, width, piece] :
         {std::tuple{26, 25, 0}, std::tuple{27, 26, 1}, std::tuple{100, 98, 3}}) {
        SCOPED_TRACE(score);
        ChooserNode root;
        auto leaf = std::make_unique<ChooserNode>();
        leaf->row_level = kLeafRow;
        leaf->kind = '(';
        leaf->score = score;
        ChooserNode* node = root.add_child(std::move(leaf));
        QImage list(kChooserListSize, QImage::Format_ARGB32);
        list.fill(Qt::white);
        QPainter painter(&list);
        paint_chooser_rows(painter, {{node, caption_x(kLeafRow)}}, 0, 1, -1, pictures);
        painter.end();
        const int y = 4 + 6;
        EXPECT_EQ(list.pixelColor(kBarX + width, y), pieces[piece]);
        EXPECT_EQ(list.pixelColor(kBarX + width + 1, y), QColor(Qt::white));
    }
}

TEST(ChooserPaint, HighlightMarksTheRowUnderTheMouse) {
    ChooserNode root;
    auto group = std::make_unique<ChooserNode>();
    group->row_level = kGroupRow;
    ChooserNode* node = root.add_child(std::move(group));
    QImage list(kChooserListSize, QImage::Format_ARGB32);
    list.fill(Qt::white);
    QPainter painter(&list);
    const std::vector<VisibleRow> rows{{node, 30}, {node, 30}};
    paint_chooser_rows(painter, rows, 0, 1, 1, ChooserPictures{});
    painter.end();
    EXPECT_EQ(list.pixelColor(800, 30), kHighlightColour);
    EXPECT_EQ(list.pixelColor(800, 10), QColor(Qt::white));
}

} // namespace
} // namespace vimo
