#include "core/qt_text.h"
#include "core/text_file.h"
#include "exercises/tasks/typing.h"
#include "support/temp_course.h"

#include <QUrl>
#include <gtest/gtest.h>

namespace vimo {
namespace {

UniString u(const char* utf8) {
    return qstring_to_uni(QString::fromUtf8(utf8));
}
// A line as read from a course file: its units and the trailing U+0000.
UniString line(const char* utf8) {
    return u(utf8) + std::string(2, '\0');
}
std::string q(const UniString& uni) {
    return uni_to_qstring(uni).toStdString();
}

// Every unit 7 pixels wide, 8 in bold: layouts come out in round numbers.
int measure(const UniString& text, bool bold) {
    return uni_to_qstring(text).size() * (bold ? 8 : 7);
}

TypingText parse(const std::vector<std::string>& text_lines, const char* width = "100",
                 const char* mode = "0", const char* glossary = "") {
    std::vector<UniString> lines{line((std::string("Luka px:") + width).c_str()),
                                 line((std::string("Slowniczek: ") + glossary).c_str()),
                                 line((std::string("Tryb ramek") + mode).c_str()), line("----")};
    for (const std::string& text : text_lines)
        lines.push_back(line(text.c_str()));
    return parse_typing_file(lines, "Wpisywania/t1u.fcs");
}

TEST(TypingFile, HeaderLinesGiveWidthGlossaryAndMode) {
    const TypingText text = parse({"one two"}, "110", "1", "alarm clock");
    EXPECT_EQ(text.gap_width, 110);
    EXPECT_EQ(q(text.glossary), "alarm clock");
    EXPECT_TRUE(text.box_mode);
    EXPECT_FALSE(parse({"x"}, "110", "0").box_mode);
    EXPECT_TRUE(uni_is_blank(parse({"x"}).glossary));
    ASSERT_EQ(text.tokens.size(), 2u);
    EXPECT_EQ(q(text.tokens[1].text), "two");
}

TEST(TypingFile, TokensOfEveryLineFormOneSequence) {
    const TypingText text = parse({"a b", "c"});
    ASSERT_EQ(text.tokens.size(), 3u);
    EXPECT_EQ(q(text.tokens[2].text), "c");
}

TEST(TypingFile, TokenMarkup) {
    struct Case {
        const char* token;
        TypingTokenKind kind;
    };
    const Case cases[] = {
        {"<BR>", TypingTokenKind::line_break}, {"<br>", TypingTokenKind::line_break},
        {"<B>", TypingTokenKind::bold_on},     {"</B>", TypingTokenKind::bold_off},
        {">>", TypingTokenKind::raise},        {"$%^", TypingTokenKind::nothing},
        {".", TypingTokenKind::punctuation},   {",", TypingTokenKind::punctuation},
        {";", TypingTokenKind::punctuation},   {"!", TypingTokenKind::punctuation},
        {"?", TypingTokenKind::punctuation},   {":", TypingTokenKind::word},
        {"word,", TypingTokenKind::word},      {"[TAB=40]", TypingTokenKind::tab},
        {"&gap", TypingTokenKind::gap},        {"<U>", TypingTokenKind::word},
    };
    for (const Case& c : cases) {
        const TypingText text = parse({c.token});
        ASSERT_EQ(text.tokens.size(), 1u) << c.token;
        EXPECT_EQ(text.tokens[0].kind, c.kind) << c.token;
    }
    EXPECT_EQ(parse({"[TAB=40]"}).tokens[0].tab, 40);
    EXPECT_TRUE(parse({"[TAB=40] x"}).has_tab);
    EXPECT_FALSE(parse({"x"}).has_tab);
}

TEST(TypingFile, GapAnswersAndAlternatives) {
    const TypingText text = parse({"&la+casa\\casa &uno &a+b+c\\"});
    ASSERT_EQ(text.gaps.size(), 3u);
    EXPECT_EQ(q(text.gaps[0].answer), "la casa");
    EXPECT_EQ(q(text.gaps[0].alternative), "casa");
    EXPECT_EQ(text.gaps[0].token, 0);
    EXPECT_EQ(q(text.gaps[1].answer), "uno");
    EXPECT_TRUE(uni_is_blank(text.gaps[1].alternative));
    EXPECT_EQ(q(text.gaps[2].answer), "a b c");
    EXPECT_EQ(text.tokens[2].gap, 2);
}

TEST(TypingFile, ShownTextGoesToTheNextTokenInPlainModeOnly) {
    const TypingText plain = parse({"*r... &rain &lake"});
    ASSERT_EQ(plain.tokens.size(), 2u) << "a shown text takes no place of its own";
    EXPECT_EQ(q(plain.tokens[0].text), "r...");
    EXPECT_EQ(q(plain.tokens[0].shown), "r...");
    EXPECT_TRUE(uni_is_blank(plain.tokens[1].text)) << "used by the token it was given for";
    const TypingText boxes = parse({"*r... &rain"}, "100", "1");
    EXPECT_TRUE(uni_is_blank(boxes.tokens[0].text));
}

TEST(TypingFile, BadNumbersRefuseNamingFileAndLine) {
    try {
        parse({"x"}, "1l0");
        FAIL() << "a gap width that is no number";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.file(), "Wpisywania/t1u.fcs");
        EXPECT_EQ(error.line(), 1);
        EXPECT_NE(error.problem().find("1l0"), std::string::npos) << error.problem();
    }
    try {
        parse({"fine", "x [TAB=4O] y"});
        FAIL() << "a tab stop that is no number";
    } catch (const CourseFileError& error) {
        EXPECT_EQ(error.line(), 6);
    }
    EXPECT_THROW(parse_typing_file({}, "f"), CourseFileError) << "no width at all";
}

TEST(TypingFile, FillingStopsAtTheTokenAndGapLimits) {
    std::string many;
    for (int i = 0; i < kMaxTypingTokens + 5; ++i)
        many += "w ";
    const TypingText tokens = parse({"first", many});
    EXPECT_EQ(tokens.tokens.size(), static_cast<std::size_t>(kMaxTypingTokens));
    EXPECT_EQ(tokens.overflow_line, 6);

    std::string gaps;
    for (int i = 0; i < kMaxTypingGaps + 3; ++i)
        gaps += "&g" + std::to_string(i) + " ";
    const TypingText text = parse({gaps + "after"});
    EXPECT_EQ(text.gaps.size(), static_cast<std::size_t>(kMaxTypingGaps));
    EXPECT_EQ(text.tokens.size(), static_cast<std::size_t>(kMaxTypingGaps));
    EXPECT_EQ(text.overflow_line, 5);
    EXPECT_EQ(parse({"a &b"}).overflow_line, 0);
}

TEST(TypingFile, ReadFromTheCourseWithAnyLetterCase) {
    test::TempCourse course;
    course.write_utf16("WPISYWANIA/Tekst9u.fcs",
                       {"Luka px:90", "Slowniczek: ", "Tryb ramek1", "--", "Où est la &gare ?"});
    const std::string path = typing_file_path(course.root(), "tekst9");
    const std::optional<TypingText> text = load_typing_file(path);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->gap_width, 90);
    EXPECT_EQ(q(text->tokens[0].text), "Où");
    EXPECT_FALSE(load_typing_file(typing_file_path(course.root(), "none")).has_value());
    EXPECT_EQ(typing_file_name(u("WP#tekst9")), "tekst9");
    EXPECT_EQ(typing_file_name(u("WP##tekst9")), "tekst9") << "a leading # is dropped";
}

TEST(TypingAnswers, LetterCaseAndTrimming) {
    struct Case {
        const char* typed;
        const char* answer;
        bool letter_case;
        bool right;
    };
    const Case cases[] = {
        {"hola", "hola", true, true},
        {"Hola", "hola", true, false},
        {"Hola", "hola", false, true},
        {"Ñ", "ñ", false, false},
        {"ñ", "ñ", false, true},
        {" casa  ", "casa", true, true},
        {"œuf", "œuf", true, true},
        {"ŒUF", "œuf", false, false},
        {"ZAŻÓŁĆ", "zażółć", false, false},
        {"ZAżółć", "zażółć", false, true},
        {"", "casa", false, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(typing_matches(u(c.typed), u(c.answer), c.letter_case), c.right)
            << c.typed << " for " << c.answer << " case " << c.letter_case;
}

TEST(TypingLayout, WordsFlowWithTheirGapAndWrapAtTheMargin) {
    // "aaaa" is 28 wide, its advance 31; in a box 100 wide a token wraps when
    // x + advance + 15 >= 97.
    const TypingText text = parse({"aaaa aaaa aaaa"});
    const TypingLayout layout = layout_typing(text, 100, 0, false, measure);
    ASSERT_EQ(layout.places.size(), 3u);
    EXPECT_EQ(layout.places[0].x, 3);
    EXPECT_EQ(layout.places[0].y, 23);
    EXPECT_EQ(layout.places[1].x, 34);
    EXPECT_EQ(layout.places[1].width, 28);
    // 65 + 31 + 15 >= 97: the third word starts the next line.
    EXPECT_EQ(layout.places[2].x, 3);
    EXPECT_EQ(layout.places[2].y, 46);
    EXPECT_EQ(layout.end_y, 46);
}

TEST(TypingLayout, PunctuationAtTheMarginStaysOnTheLine) {
    const TypingText text = parse({"aaaa aaaa . aaaa"});
    // In a box 90 wide the full stop would wrap like a word (65 + 10 + 15 >= 87).
    const TypingLayout layout = layout_typing(text, 90, 0, false, measure);
    EXPECT_EQ(layout.places[2].x, 65);
    EXPECT_EQ(layout.places[2].y, 23);
    EXPECT_EQ(layout.places[3].y, 46);
    const TypingText word = parse({"aaaa aaaa x aaaa"});
    EXPECT_EQ(layout_typing(word, 90, 0, false, measure).places[2].y, 46);
}

TEST(TypingLayout, LayoutTokens) {
    const TypingText text = parse({"[TAB=40] aa $%^ bb <BR> <B> cc </B> >> dd ee"});
    const TypingLayout layout = layout_typing(text, 600, 0, false, measure);
    const auto at = [&](std::size_t token) {
        return std::pair{layout.places[token].x, layout.places[token].y};
    };
    EXPECT_EQ(at(1), std::pair(40, 23)) << "a tab stop first: the text starts at 40";
    EXPECT_EQ(at(3), std::pair(40 + 17, 23)) << "$%^ takes no room";
    EXPECT_FALSE(layout.places[2].placed);
    EXPECT_EQ(at(6), std::pair(3, 46)) << "after <BR>";
    EXPECT_EQ(layout.places[6].width, 16) << "bold";
    EXPECT_TRUE(layout.drawn[2].bold);
    EXPECT_FALSE(layout.drawn[3].bold);
    EXPECT_EQ(at(9), std::pair(0, 42)) << ">> lifts the next token to x = 0";
    EXPECT_EQ(at(10), std::pair(17, 46)) << "and the pen comes down after it";
}

TEST(TypingLayout, BlankGapsTakeTheGapWidth) {
    const TypingText boxes = parse({"&a b"}, "100", "1");
    const TypingLayout layout = layout_typing(boxes, 600, 0, false, measure);
    const TypingDrawn& gap = layout.drawn[0];
    EXPECT_EQ(gap.advance, 102);
    EXPECT_EQ(layout.places[0].width, 102);
    EXPECT_EQ(layout.places[1].x, 105);
    EXPECT_TRUE(gap.white_box);
    EXPECT_TRUE(gap.blue);
    // 12 underscores make 84 pixels, the first width at least 100 - 20.
    EXPECT_EQ(q(gap.text), "____________");
    EXPECT_FALSE(layout.drawn[1].blue);

    TypingText typed = boxes;
    typed.tokens[0].text = u("abc");
    const TypingLayout filled = layout_typing(typed, 600, 0, false, measure);
    EXPECT_FALSE(filled.drawn[0].white_box);
    EXPECT_EQ(filled.drawn[0].advance, 24);

    const TypingText plain = parse({"*r... &a &b"});
    const TypingLayout shown = layout_typing(plain, 600, 0, false, measure);
    EXPECT_EQ(q(shown.drawn[0].text), "r...");
    EXPECT_FALSE(shown.drawn[0].white_box);
    EXPECT_TRUE(shown.drawn[1].underline) << "a plain gap with nothing to show is marked";
}

TEST(TypingLayout, PlaceholderEndsForAnyMeasure) {
    EXPECT_EQ(q(typing_placeholder(100, measure)).size(), 12u);
    EXPECT_LE(q(typing_placeholder(100, [](const UniString&, bool) { return 0; })).size(), 400u);
    EXPECT_TRUE(typing_placeholder(15, measure).empty());
}

TEST(TypingLayout, ScrollMaximum) {
    EXPECT_EQ(typing_max_scroll(100, 503), 0);
    EXPECT_EQ(typing_max_scroll(503, 503), 0);
    EXPECT_EQ(typing_max_scroll(504, 503), 1);
    EXPECT_EQ(typing_max_scroll(503 + 23, 503), 2);
}

// A task of four gaps, one line each, in a box three lines high.
class TypingTask : public ::testing::Test {
protected:
    TypingTask() {
        typing.load(parse({"&uno <BR> &dos <BR> &tres\\3 <BR> &cuatro <BR> end"}));
        typing.relayout(400, 80, measure);
    }
    std::string held(int gap) const {
        const TypingText& text = typing.text();
        return q(
            text.tokens[static_cast<std::size_t>(text.gaps[static_cast<std::size_t>(gap)].token)]
                .text);
    }
    Typing typing;
};

TEST_F(TypingTask, EditorStoresTextAndWrapsRound) {
    EXPECT_EQ(typing.max_scroll(), 2);
    ASSERT_TRUE(typing.open_gap(0, {}).has_value());
    EXPECT_EQ(typing.editing(), 0);
    EXPECT_EQ(typing.next_gap(), 1);
    ASSERT_TRUE(typing.open_gap(1, u(" uno ")).has_value());
    EXPECT_EQ(held(0), "uno") << "stored trimmed when the editor moves on";
    ASSERT_TRUE(typing.open_gap(2, u("dos")).has_value());
    // Gap 4 is below the box (y = 92 > 80 - 10): the editor closes, the text is kept.
    EXPECT_FALSE(typing.open_gap(3, u("tres")).has_value());
    EXPECT_EQ(typing.editing(), -1);
    EXPECT_EQ(held(2), "tres");
    const std::optional<UniString> again = typing.open_gap(0, {});
    ASSERT_TRUE(again.has_value());
    EXPECT_EQ(q(*again), "uno") << "the editor gets what the gap held";
    EXPECT_TRUE(held(0).empty()) << "while it is edited";
}

TEST_F(TypingTask, TheLastGapLeadsToTheFirst) {
    ASSERT_TRUE(typing.scroll_by(1, {}));
    ASSERT_TRUE(typing.open_gap(3, {}).has_value());
    EXPECT_EQ(typing.next_gap(), 0);
}

TEST_F(TypingTask, ScrollingClosesTheEditorAndKeepsItsText) {
    ASSERT_TRUE(typing.open_gap(0, {}).has_value());
    EXPECT_TRUE(typing.scroll_by(1, u("uno")));
    EXPECT_EQ(typing.editing(), -1);
    EXPECT_EQ(held(0), "uno");
    EXPECT_EQ(typing.layout().places[0].y, 0);
    EXPECT_TRUE(typing.scroll_by(1, {}));
    EXPECT_FALSE(typing.scroll_by(1, {})) << "at the maximum";
    EXPECT_TRUE(typing.scroll_by(-2, {}));
    EXPECT_FALSE(typing.scroll_by(-1, {})) << "at the top";
    EXPECT_EQ(held(0), "uno");
}

TEST_F(TypingTask, TwoOfFourRightScoreFiftyWithMarksAndHints) {
    typing.open_gap(0, {});
    typing.open_gap(1, u("Uno"));
    typing.open_gap(2, u("tos"));
    typing.close_editor(u("3"));
    typing.typed();
    typing.check({}, false);
    const TaskAttempt& attempt = typing.attempt();
    EXPECT_TRUE(attempt.checked);
    EXPECT_EQ(attempt.correct, 2);
    EXPECT_EQ(attempt.wrong, 2);
    EXPECT_EQ(attempt.score(), 50);
    const TypingText& text = typing.text();
    EXPECT_TRUE(text.gaps[0].correct);
    EXPECT_FALSE(text.gaps[1].correct);
    EXPECT_TRUE(text.gaps[2].correct) << "by its alternative";
    EXPECT_EQ(q(text.gaps[1].wrong_answer), "tos");
    EXPECT_EQ(held(1), "dos") << "a wrong gap shows its answer";
    EXPECT_EQ(held(3), "cuatro");
    EXPECT_EQ(held(0), "Uno") << "a right gap keeps what was typed";

    const TypingLayout& layout = typing.layout();
    EXPECT_EQ(layout.drawn[0].mark, TypingMark::ok);
    EXPECT_EQ(layout.drawn[0].text_x, 3 + 24);
    EXPECT_EQ(layout.places[0].x, -50) << "a right gap is out of reach";
    const TypingDrawn& bad = layout.drawn[1]; // line breaks draw nothing
    EXPECT_EQ(bad.mark, TypingMark::bad);
    EXPECT_EQ(bad.text_x, 3 + 20);

    const UniString typed_label = line("Twoja odpowiedź:");
    const UniString nothing_label = line("Brak odpowiedzi");
    const std::optional<UniString> hint = typing.hint_at(10, 46 + 9, typed_label, nothing_label);
    ASSERT_TRUE(hint.has_value());
    EXPECT_EQ(q(*hint), "Twoja odpowiedź: tos");
    const std::optional<UniString> nothing = typing.hint_at(3, 92, typed_label, nothing_label);
    ASSERT_TRUE(nothing.has_value());
    EXPECT_EQ(q(*nothing), "Brak odpowiedzi");
    EXPECT_FALSE(typing.hint_at(3 + 17, 46, typed_label, nothing_label)) << "past the mark";
    EXPECT_FALSE(typing.hint_at(5, 25, typed_label, nothing_label)) << "a right gap's mark";
    EXPECT_EQ(typing.gap_at(30, 50), -1) << "nothing opens once checked";
    EXPECT_FALSE(typing.open_gap(1, {}).has_value());
}

TEST_F(TypingTask, LetterCaseMattersWhenTheSettingIsOn) {
    typing.open_gap(0, {});
    typing.close_editor(u("Uno"));
    typing.check({}, true);
    EXPECT_FALSE(typing.text().gaps[0].correct);
    EXPECT_EQ(typing.attempt().score(), 0);
}

TEST_F(TypingTask, CheckingStoresTheOpenEditor) {
    typing.open_gap(0, {});
    typing.check(u("uno"), true);
    EXPECT_TRUE(typing.text().gaps[0].correct);
    EXPECT_EQ(typing.editing(), -1);
}

TEST(TypingPrintout, DocumentOfTheText) {
    const TypingText text =
        parse({"<B> Tom R&D <i>Ann</i> </B> say &hi . >> $%^ Then <BR> &x\\y !"});
    TypingText typed = text;
    typed.tokens[6].text = u("hello");
    const QString html =
        typing_printout_document(typed, {.style_sheet = "file:///c/htm_r/style.css",
                                         .lesson_title = "Grupa <1>",
                                         .lesson_name = QString::fromUtf8("Mój poranek"),
                                         .footer = QString::fromUtf8("© Vimo")});
    EXPECT_TRUE(html.startsWith("<html><head><meta http-equiv=\"Content-Type\" "
                                "content=\"text/html; charset=utf-8\">"));
    EXPECT_TRUE(html.contains("href=\"file:///c/htm_r/style.css\""));
    EXPECT_TRUE(html.contains(
        QString::fromUtf8("<B>Lexaro Vimo - Rozumienie ze słuchu i Konwersacje</b><BR>"
                          "<B>Grupa &lt;1&gt;</B><BR><B>Mój poranek</B><BR><BR>")));
    EXPECT_TRUE(html.contains("<B> Tom R&amp;D &lt;i&gt;Ann&lt;/i&gt; </B> say hello. Then <BR> "
                              "__________! <BR><BR>"))
        << html.toStdString();
    EXPECT_FALSE(html.contains("&gt;&gt;"));
    EXPECT_FALSE(html.contains("$%^"));
    EXPECT_TRUE(html.endsWith(QString::fromUtf8("<BR><BR>© Vimo<br></body></html>")));
}

TEST(TypingPrintout, StyleSheetAndTitlesComeFromTheCourse) {
    test::TempCourse course;
    course.write_bytes("Htm_r/Style.CSS", "body{}");
    const QString sheet = typing_style_sheet(course.root());
    EXPECT_EQ(QUrl(sheet).toLocalFile().toStdString(), course.path("Htm_r/Style.CSS"));

    CourseTables tables;
    tables.groups.push_back({u("1"), u("Lekcje")});
    tables.groups.push_back({u("2"), line("Moja grupa")});
    tables.texts.push_back({.number = 7, .group = 2, .title = "Text seven"});
    DisplayNames names;
    names.set_lines({line("Text seven=Tekst siódmy")});
    const auto [title, name] = typing_lesson_titles(tables, names, u("T#7#bg#i#i#i#"));
    EXPECT_EQ(title.toStdString(), "Moja grupa");
    EXPECT_EQ(name.toStdString(), "Tekst siódmy");
    const auto none = typing_lesson_titles(tables, names, u("T#8#bg#"));
    EXPECT_TRUE(none.first.isEmpty());
}

} // namespace
} // namespace vimo
