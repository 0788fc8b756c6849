#include "core/course_tables.h"

#include "core/loader_support.h"

namespace vimo {

const LessonGroup* CourseTables::group(int index) const {
    if (index < 1 || index > static_cast<int>(groups.size())) return nullptr;
    return &groups[static_cast<std::size_t>(index - 1)];
}

UniString glossary_note(const std::vector<GlossaryEntry>& glossary, int number) {
    for (const GlossaryEntry& entry : glossary) {
        // The loader's own rule, so that every number it accepts can be looked up.
        if (loading::whole_number(entry.number) == number) return entry.text;
    }
    return {};
}

} // namespace vimo
