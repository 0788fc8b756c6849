#include "core/course_tables.h"

namespace vimo {

const LessonGroup* CourseTables::group(int index) const {
    if (index < 1 || index > static_cast<int>(groups.size())) return nullptr;
    return &groups[static_cast<std::size_t>(index - 1)];
}

} // namespace vimo
