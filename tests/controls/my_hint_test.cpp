#include "controls/my_hint.h"
#include "core/qt_text.h"
#include "picture_fixtures.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vimo {
namespace {

bool has_colour_in(const QImage& image, QRect area, QColor colour) {
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixelColor(x, y) == colour) return true;
        }
    }
    return false;
}

TEST(MyHint, BoldSecondWordIsPaintedRedWithoutTheMarkup) {
    TMyHint hint;
    hint.showHint(QRect(100, 100, 0, 20), uni_widen("Zamknij <B>okno</B>"));
    const HintLayout& layout = hint.layout();
    ASSERT_EQ(layout.words.size(), 2u);
    EXPECT_EQ(layout.words[1].text, uni_widen("okno"));
    QFont bold = hint.font();
    bold.setBold(true);
    EXPECT_EQ(layout.words[1].width, QFontMetrics(bold).horizontalAdvance("okno"));
    EXPECT_EQ(hint.width(), layout.extra_width);

    const QImage shown = test::painted(hint);
    const HintWord& first = layout.words[0];
    const HintWord& second = layout.words[1];
    const QRect first_area(first.x, 0, first.width, shown.height());
    const QRect second_area(second.x, 0, second.width, shown.height());
    EXPECT_TRUE(has_colour_in(shown, second_area, Qt::red));
    EXPECT_FALSE(has_colour_in(shown, first_area, Qt::red));
    EXPECT_TRUE(has_colour_in(shown, first_area, Qt::black));
}

TEST(MyHint, RightEdgeMovesByTheWords) {
    TMyHint hint;
    hint.showHint(QRect(50, 60, 30, 20), uni_widen("ab cd"));
    EXPECT_EQ(hint.geometry().left(), 50);
    EXPECT_EQ(hint.geometry().right(), 50 + 30 - 1 + hint.layout().extra_width);
}

TEST(MyHintFilter, AToolTipEventShowsTheWidgetHintInTheOwnWindow) {
    auto& application = *static_cast<QApplication*>(QCoreApplication::instance());
    // Removed at the end, so the other tests run without it.
    const std::unique_ptr<MyHintFilter> filter(install_my_hint(application));
    QWidget widget;
    widget.setToolTip("Wyjście <B>teraz</B>");
    widget.resize(100, 100);
    widget.show();
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), widget.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&widget, &event);
    QTRY_VERIFY(filter->hint().isVisible());
    ASSERT_EQ(filter->hint().layout().words.size(), 2u);
    EXPECT_EQ(filter->hint().layout().words[0].text, qstring_to_uni("Wyjście"));
    EXPECT_TRUE(filter->hint().layout().words[1].bold);
    QTest::mousePress(&widget, Qt::LeftButton);
    QTRY_VERIFY(!filter->hint().isVisible());
}

TEST(MyHintFilter, AChildWithoutAHintShowsItsParentHint) {
    auto& application = *static_cast<QApplication*>(QCoreApplication::instance());
    const std::unique_ptr<MyHintFilter> filter(install_my_hint(application));
    QWidget parent;
    parent.setToolTip("Zamknij");
    parent.resize(100, 100);
    auto* child = new QWidget(&parent);
    child->resize(50, 50);
    parent.show();
    QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), child->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(child, &event);
    QTRY_VERIFY(filter->hint().isVisible());
    ASSERT_EQ(filter->hint().layout().words.size(), 1u);
    EXPECT_EQ(filter->hint().layout().words[0].text, uni_widen("Zamknij"));
}

} // namespace
} // namespace vimo
