#pragma once
// What the loader tests count in the tables they fill: a whole table, the lines of the
// first sentence section and of the first dialogue; and the numbers they write.

#include "core/course_tables.h"

#include <cstddef>
#include <string>

namespace vimo::test {

template <auto Table> std::size_t size_of(const CourseTables& tables) {
    return (tables.*Table).size();
}

inline std::size_t first_section_lines(const CourseTables& tables) {
    return tables.sections.empty() ? 0 : tables.sections[0].lines.size();
}

inline std::size_t first_dialogue_lines(const CourseTables& tables) {
    return tables.dialogues.empty() ? 0 : tables.dialogues[0].lines.size();
}

inline std::string number(int i) {
    return std::to_string(i);
}

} // namespace vimo::test
