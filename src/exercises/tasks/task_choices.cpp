#include "exercises/tasks/task_choices.h"

namespace vimo {

bool take_correct_marker(UniString& item) {
    static const UniString marker = uni_widen("T_");
    if (!item.starts_with(marker)) return false;
    item.erase(0, marker.size());
    return true;
}

} // namespace vimo
