#pragma once
// The result a stand-alone exercise reports, and storing it: the results record of its
// item, kind and key, and the repetition where the kind's row has repetitions. The
// program then saves the learner's files.

#include <string>

namespace vimo {

class Clock;
class ResultsStore;
class RepetitionStore;
struct RepetitionSettings;

struct ItemResult {
    std::string item; // the item name, "slo_3"
    int kind = 0;     // the kind code
    int key = 0;      // the results record's item key
    int score = 0;
    bool completed = true;
    int task_id = 0; // the repetition's task id
    int tab = 0;     // where the kind enters its repetitions by tab or mode
};

void record_item_result(const ItemResult& result, ResultsStore& results,
                        RepetitionStore& repetitions, const RepetitionSettings& settings,
                        const Clock& clock);

} // namespace vimo
