#include "core/qt_text.h"
#include "core/uni.h"
#include "exercises/tasks/text_painter.h"
#include "support/named_case.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace vimo {
namespace {

VIMO_PRINT_CASES_BY_NAME()

UniString u(const char* text) {
    return qstring_to_uni(QString::fromUtf8(text));
}

// Every unit 7 pixels wide, 8 in bold: positions can be worked out by hand.
class FixedMeasure final : public TextMeasure {
public:
    int width(const UniString& word, TextStyle style) const override {
        return static_cast<int>(word.size() / 2) * (style.bold ? 8 : 7);
    }
    int height() const override { return 12; }
};

struct Laid {
    std::vector<PaintedWord> words;
    InstructionWordTable table;
};

Laid lay(const char* text, int box_width = 400) {
    Laid laid;
    laid.words = layout_instruction(u(text), box_width, FixedMeasure(), laid.table);
    return laid;
}

std::vector<int> lefts(const std::vector<PaintedWord>& words) {
    std::vector<int> xs;
    for (const PaintedWord& word : words)
        xs.push_back(word.x);
    return xs;
}

TEST(MarkedWords, SplitAtSpaceUnitsOnlyAndStopAtTheFirstZeroUnit) {
    // U+0120 has the low byte of a space but is a letter; the line's U+0000 ends the text.
    UniString text = u("ab  Ġc ") + std::string("\0\0", 2) + u("gone");
    text.push_back('\0'); // a stray zero byte after it
    EXPECT_EQ(split_marked_words(text), (std::vector<MarkedWord>{{u("ab"), 2}, {u("Ġc"), 0}}));
    EXPECT_TRUE(split_marked_words(u("   ")).empty());
}

struct TagCase {
    const char* name;
    const char* word;
    TagEffect instruction;
    TagEffect content;
};

TEST(MarkedWords, TagEffectsAndHowTheyAreMatched) {
    const TagCase cases[] = {
        {"bold on", "<B>", TagEffect::bold_on, TagEffect::bold_on},
        {"bold off", "</B>", TagEffect::bold_off, TagEffect::bold_off},
        {"italic on", "<I>", TagEffect::italic_on, TagEffect::italic_on},
        {"italic off", "</I>", TagEffect::italic_off, TagEffect::italic_off},
        {"break", "<BR>", TagEffect::line_break, TagEffect::line_break},
        {"break, lower case", "<br>", TagEffect::line_break, TagEffect::none},
        {"break, mixed case", "<Br>", TagEffect::line_break, TagEffect::none},
        {"bold, lower case", "<b>", TagEffect::none, TagEffect::none},
        {"unknown tag", "<U>", TagEffect::none, TagEffect::none},
        {"not a tag: no >", "<B", TagEffect::none, TagEffect::none},
        {"not a tag: > first", "><B>", TagEffect::none, TagEffect::none},
    };
    for (const TagCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tag_effect(u(c.word), BreakMatch::any_case), c.instruction);
        EXPECT_EQ(tag_effect(u(c.word), BreakMatch::upper_case), c.content);
    }
    EXPECT_TRUE(is_tag_word(u("<x>y")));
    EXPECT_FALSE(is_tag_word(u("a<b>")));
}

struct SpacingCase {
    const char* name;
    const char* text;
    std::vector<int> lefts;
    int entries;
};

TEST(PaintInstruction, SpacesStepThePenThreePixelsAndFillTheTable) {
    // "ab" is 14 wide: its entry ends at 17, where the first step begins.
    const SpacingCase cases[] = {
        {"one space", "ab cd", {0, 20}, 3},
        {"two spaces", "ab  cd", {0, 26}, 5},
        {"three spaces", "ab   cd", {0, 32}, 7},
        {"spaces before and after", "  ab cd  ", {0, 20}, 3},
        {"n words, 2n - 1 entries", "a b c d", {0, 13, 26, 39}, 7},
    };
    for (const SpacingCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Laid laid = lay(c.text);
        EXPECT_EQ(lefts(laid.words), c.lefts);
        EXPECT_EQ(laid.table.count(), c.entries);
    }
    const Laid two = lay("ab  cd");
    for (int i = 1; i <= 3; ++i) {
        const InstructionEntry& step = two.table.entry(i);
        EXPECT_EQ(step.left, 17 + 3 * (i - 1));
        EXPECT_EQ(step.right, step.left + 3);
        EXPECT_EQ(step.bottom, 16);
        EXPECT_TRUE(step.word.empty());
    }
}

TEST(PaintInstruction, StyleTagsTakeNoRoomOnlyTheStepsAroundThem) {
    const Laid laid = lay("Choose <B> one </B> answer");
    ASSERT_EQ(laid.words.size(), 3u);
    // Choose (42) + step, step, then one in bold (24) + step, step.
    EXPECT_EQ(lefts(laid.words), (std::vector<int>{0, 51, 84}));
    EXPECT_EQ(laid.words[0].style, TextStyle{});
    EXPECT_EQ(laid.words[1].style, (TextStyle{true, false}));
    EXPECT_EQ(laid.words[2].style, TextStyle{});
    EXPECT_EQ(laid.table.entry(3).right, 51 + 24 + 3);
    EXPECT_EQ(laid.table.entry(3).word, u("one"));
    EXPECT_EQ(laid.table.count(), 7);
}

TEST(PaintInstruction, LowerCaseBreakBreaksButLowerCaseBoldDoesNothing) {
    const Laid broken = lay("ab <br> cd");
    ASSERT_EQ(broken.words.size(), 2u);
    EXPECT_EQ(broken.words[1].y, 18);
    EXPECT_EQ(broken.words[1].x, 3); // the step after the break comes first
    const Laid plain = lay("ab <b> cd <i> ef");
    ASSERT_EQ(plain.words.size(), 3u);
    EXPECT_EQ(plain.words[1].style, TextStyle{});
    EXPECT_EQ(plain.words[1].x, 23);
    EXPECT_EQ(plain.words[2].style, TextStyle{});
    EXPECT_EQ(plain.words[2].y, 0);
}

struct WrapCase {
    const char* name;
    int box_width;
    int third_x;
    int third_y;
};

TEST(PaintInstruction, AWordReachingTenPixelsBeforeTheRightEdgeStartsANewLine) {
    // "abc" is 21 wide; the third one would start at 54 (after two words and steps).
    const WrapCase cases[] = {
        {"ends well inside", 120, 54, 0},
        {"ends one pixel before the margin", 86, 54, 0},
        {"ends exactly on the margin", 85, 0, 18},
        {"the step before it breaks", 60, 3, 18},
    };
    for (const WrapCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Laid laid = lay("abc abc abc", c.box_width);
        ASSERT_EQ(laid.words.size(), 3u);
        EXPECT_EQ(laid.words[2].x, c.third_x);
        EXPECT_EQ(laid.words[2].y, c.third_y);
    }
    // A step that reaches the margin breaks the line too: the word after it starts at 3.
    const Laid step_wraps = lay("abcdef x", 55); // the step would sit at 45 = 55 - 10
    ASSERT_EQ(step_wraps.words.size(), 2u);
    EXPECT_EQ(step_wraps.table.entry(1).left, 0);
    EXPECT_EQ(step_wraps.table.entry(1).top, 18);
    EXPECT_EQ(step_wraps.words[1].x, 3);
}

struct HitCase {
    const char* name;
    int x;
    int y;
    std::optional<UniString> word;
};

TEST(InstructionWordAt, BordersBelongToTheFirstEntryThatHoldsThem) {
    // ab [0, 17], step [17, 20], step [20, 23] (the tag takes none), bold cd [23, 42].
    const Laid laid = lay("ab <B> cd");
    const HitCase cases[] = {
        {"inside the first word", 5, 5, u("ab")},
        {"right border shared with the step", 17, 16, u("ab")},
        {"inside a step", 18, 8, UniString{}},
        {"where the tag stands: a step", 21, 0, UniString{}},
        {"border between step and word", 23, 0, UniString{}},
        {"just inside the bold word", 24, 0, u("cd")},
        {"right and bottom border of the last word", 42, 16, u("cd")},
        {"past the last word", 43, 0, std::nullopt},
        {"below the line", 5, 17, std::nullopt},
        {"left of the box", -1, 5, std::nullopt},
    };
    for (const HitCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(instruction_word_at(laid.table, c.x, c.y), c.word);
    }
}

TEST(InstructionWordAt, AShorterRepaintLeavesNoStaleWords) {
    InstructionWordTable table;
    layout_instruction(u("one two three"), 400, FixedMeasure(), table);
    ASSERT_EQ(instruction_word_at(table, 60, 5), u("three"));
    layout_instruction(u("a"), 400, FixedMeasure(), table);
    EXPECT_EQ(table.count(), 1);
    EXPECT_EQ(instruction_word_at(table, 60, 5), std::nullopt);
    layout_instruction(UniString{}, 400, FixedMeasure(), table);
    EXPECT_EQ(table.count(), 0);
    EXPECT_EQ(instruction_word_at(table, 2, 2), std::nullopt);
}

TEST(InstructionWordAt, AnOverlongInstructionFillsTheTableAndStops) {
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "w ";
    InstructionWordTable table;
    const auto words = layout_instruction(u(text.c_str()), 400, FixedMeasure(), table);
    EXPECT_EQ(words.size(), 200u); // all drawn
    EXPECT_EQ(table.count(), InstructionWordTable::kCapacity);
    EXPECT_EQ(table.entry(InstructionWordTable::kCapacity - 1).word, UniString{}); // a step
}

TEST(InstructionMouseDown, OnlyARightClickOpensTheDictionaryInModeZero) {
    const Laid laid = lay("Choose one");
    std::vector<std::pair<UniString, int>> opened;
    const DictionaryOpen open = [&](const UniString& word, int mode) {
        opened.emplace_back(word, mode);
    };
    EXPECT_FALSE(instruction_mouse_down(laid.table, Qt::LeftButton, 5, 5, open));
    EXPECT_FALSE(instruction_mouse_down(laid.table, Qt::RightButton, 300, 5, open));
    EXPECT_TRUE(instruction_mouse_down(laid.table, Qt::RightButton, 5, 5, open));
    EXPECT_TRUE(instruction_mouse_down(laid.table, Qt::RightButton, 46, 5, open)); // a step
    EXPECT_EQ(opened, (std::vector<std::pair<UniString, int>>{{u("Choose"), 0}, {{}, 0}}));
}

TEST(InstructionVariant, ChosenByTheInterfaceFolder) {
    const std::string f4 = "4", f5 = "5", f6 = "6";
    EXPECT_EQ(instruction_variant("Lang_r\\0\\", f4, f5, f6), "4");
    EXPECT_EQ(instruction_variant("Lang_r\\2\\", f4, f5, f6), "4");
    EXPECT_EQ(instruction_variant("Lang_r\\1\\", f4, f5, f6), "6");
    EXPECT_EQ(instruction_variant("Lang_r\\4\\", f4, f5, f6), "5");
    EXPECT_EQ(instruction_variant("Lang_r\\3\\", f4, f5, f6), "");
}

TEST(WordFlow, WrapsAWordThatWouldCrossTheBorderButNeverLeavesAnEmptyLine) {
    WordFlow flow(5, 2, 100, 24, 3);
    EXPECT_EQ(flow.place(60).x, 5);
    const WordFlow::Place fits = flow.place(32); // 68 + 32 = 100: touches the border
    EXPECT_EQ(fits.x, 68);
    const WordFlow::Place wraps = flow.place(1);
    EXPECT_EQ(wraps.x, 5);
    EXPECT_EQ(wraps.y, 26);
    flow.new_line();
    const WordFlow::Place wide = flow.place(500);
    EXPECT_EQ(wide.x, 5);
    EXPECT_EQ(wide.y, 50);
}

// The instruction paint box of a task screen.
class InstructionBox : public QWidget {
public:
    explicit InstructionBox(UniString text) : m_text(std::move(text)) { resize(300, 60); }
    InstructionWordTable table;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        paint_instruction(painter, *this, "Lang_r\\0\\", m_text, {}, {}, table);
    }

private:
    UniString m_text;
};

TEST(PaintInstruction, RealFontMeasuresEachWordAndDrawsOnlyTheWords) {
    InstructionBox box(u("Wybierz <B> jedną </B> odpowiedź"));
    box.setAutoFillBackground(true);
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    box.setPalette(palette);
    const QImage shot = box.grab().toImage();
    ASSERT_EQ(box.table.count(), 7);

    QFont regular = painter_font(10);
    QFont bold = regular;
    bold.setBold(true);
    const InstructionEntry& first = box.table.entry(0);
    const InstructionEntry& bolded = box.table.entry(3);
    EXPECT_EQ(first.right - first.left,
              QFontMetrics(regular, &box).horizontalAdvance(QStringLiteral("Wybierz")) + 3);
    EXPECT_EQ(bolded.right - bolded.left,
              QFontMetrics(bold, &box).horizontalAdvance(QStringLiteral("jedną")) + 3);
    EXPECT_EQ(bolded.left, first.right + 6);

    // Ink inside the first word's rectangle, none in the steps or below the line.
    const auto dark_pixels = [&](QRect area) {
        int dark = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (qGray(shot.pixel(x, y)) < 128) ++dark;
        return dark;
    };
    EXPECT_GT(dark_pixels(QRect(first.left, first.top, first.right - first.left - 3, 16)), 10);
    const InstructionEntry& step = box.table.entry(1);
    EXPECT_EQ(dark_pixels(QRect(step.left + 1, 0, 1, 16)), 0);
    EXPECT_EQ(dark_pixels(QRect(0, 20, 300, 40)), 0);
}

} // namespace
} // namespace vimo
