#include "exercises/stand_alone/item_result.h"

#include "core/exercise_kinds.h"
#include "repetitions/repetition_store.h"
#include "results/results_store.h"

namespace vimo {

void record_item_result(const ItemResult& result, ResultsStore& results,
                        RepetitionStore& repetitions, const RepetitionSettings& settings,
                        const Clock& clock) {
    results.results_record(result.score, result.item, static_cast<std::uint8_t>(result.kind),
                           static_cast<std::uint8_t>(result.key), result.completed, clock);
    const ExerciseKind* kind = exercise_kind(static_cast<char>(result.kind));
    if (!kind) return;
    if (const std::optional<int> position = repetition_position(*kind, result.tab))
        repetitions.powt_record_result(result.score, result.item, result.kind, result.completed,
                                       result.task_id, *position, settings, clock);
}

} // namespace vimo
