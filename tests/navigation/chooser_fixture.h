#pragma once
// A course state with lesson groups, interface texts and display names, an empty
// results store the tests fill record by record, repetitions and a fixed clock:
// what the chooser engine and its screen are built from.

#include "core/dates.h"
#include "core/qt_text.h"
#include "navigation/chooser.h"
#include "support/fixed_sources.h"
#include "support/temp_course.h"

#include <gtest/gtest.h>

namespace vimo::test {

using namespace std::chrono;

inline constexpr year_month_day kToday = 2026y / 12 / 10;

inline system_clock::time_point local_noon(year_month_day date) {
    return *moment_of_day_count(day_number(date) + 0.5);
}

// A value cut from UTF-16 bytes after a separator's low byte: it starts with that
// separator's zero high byte and lacks its own last high byte, as the loaders leave it.
inline UniString cut_field(const std::string& text) {
    const UniString wide = uni_widen(text);
    return std::string(1, '\0') + wide.substr(0, wide.size() - 1);
}

inline std::string painted(const UniString& caption) {
    return uni_to_qstring(caption).toStdString();
}

inline std::string painted(const ChooserNode& node) {
    return painted(caption_to_paint(node));
}

// An interface-text line as infa_ru.txt holds it: number, a field, the text.
inline UniString text_line(int n, const std::string& text) {
    return uni_widen(std::to_string(n) + "=x=" + text);
}

class ChooserTest : public ::testing::Test {
protected:
    ChooserTest() {
        course.config.course_root = files.root();
        course.tables.groups = {{cut_field("G1"), cut_field("Grupa pierwsza")},
                                {cut_field("G2"), cut_field("Listy")}};
        std::vector<UniString> texts;
        for (int n = 1; n <= 200; ++n)
            texts.push_back(text_line(n, "T" + std::to_string(n)));
        course.texts.set_lines(texts);
        course.names.set_lines({uni_widen("S0001=Lista pierwsza") + std::string(2, '\0')});
    }

    // Appends a record of group g (1-based) and returns its number.
    int add(const std::string& name, std::uint8_t kind, int g = 1, int score = 0, int count = 0,
            const std::string& title = "Tytul") {
        cw_Info record;
        record.name = name;
        record.title = title;
        record.kind = kind;
        record.key = static_cast<std::uint8_t>(results.count() + 1);
        record.level = 2;
        record.group_id = record_group_id(course.tables.groups[static_cast<std::size_t>(g - 1)]);
        record.score = static_cast<std::uint8_t>(score);
        record.count = count;
        record.last_date = day_number(2026y / 11 / 5);
        EXPECT_TRUE(results.append(record));
        return results.count();
    }

    // Enters a repetition of record `number`'s task that falls due days_ago days ago
    // (negative: in the future).
    void repeat(int number, int task_pos, int days_ago) {
        const cw_Info& record = *results.record(number);
        const RepetitionSettings settings{};
        const FixedClock then{clock.now() - (days_ago + settings.first_interval) * 24h};
        repetitions.powt_record_result(10, record.name, record.kind, true, record.key, task_pos,
                                       settings, then);
    }

    const ChooserNode& group(int g) const {
        return *chooser.root().children.at(static_cast<std::size_t>(g - 1));
    }
    const ChooserNode& item(int g, int i) const {
        return *group(g).children.at(static_cast<std::size_t>(i));
    }
    // The visible row of a node, or -1.
    int row_of(const ChooserNode& node) const {
        const std::vector<VisibleRow> rows = chooser.rows();
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].node == &node) return static_cast<int>(i);
        return -1;
    }

    TempCourse files;
    CourseState course;
    ResultsStore results;
    RepetitionStore repetitions;
    FixedClock clock{local_noon(kToday)};
    Chooser chooser{course, results, repetitions, clock};
};

} // namespace vimo::test
