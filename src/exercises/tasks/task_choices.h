#pragma once
// What the choice tasks share (multiple choice and true/false, and the sorting,
// definitions, matching and typing tasks after them): the "T_" that marks a correct
// item, one slot of choice state per question or statement with an empty slot
// answered for any query outside the table, and the rule that choices are taken
// only before checking, only for slots that exist, and count as acting on the task.
#include "core/uni.h"
#include "exercises/tasks/exercise_frame.h"

#include <cstddef>
#include <iterator>
#include <type_traits>
#include <utility>
#include <vector>

namespace vimo {

// Removes the leading "T_" (the two units, exact case) of an item that carries it;
// true when it did. Such an item is the correct answer or a true statement.
bool take_correct_marker(UniString& item);

// Element i of table, or a value-initialised element (nothing chosen, no marks) for
// any i outside it, so that painting and queries never index past a table.
template <typename Range> const auto& slot_or_none(const Range& table, int i) {
    using Slot = std::remove_cvref_t<decltype(*std::begin(table))>;
    static const Slot none{};
    if (i < 0 || i >= static_cast<int>(std::size(table))) return none;
    return table[static_cast<std::size_t>(i)];
}

// The learner's choices on one task: a Slot per question or statement and the attempt.
template <typename Slot> class TaskChoices {
public:
    // count empty slots and a fresh attempt (nothing done, not checked).
    void reset(std::size_t count) {
        m_slots.assign(count, Slot{});
        m_attempt = {};
    }

    int count() const { return static_cast<int>(m_slots.size()); }
    const Slot& slot(int i) const { return slot_or_none(m_slots, i); }
    const TaskAttempt& attempt() const { return m_attempt; }

    // Lets change alter slot i and counts the task as acted on. Refused (false, nothing
    // changes) once the task is checked, for an i that names no slot, and when the
    // caller found that the choice names nothing inside the slot (exists false).
    template <typename Change> bool choose(int i, bool exists, Change&& change) {
        if (m_attempt.checked || !exists || i < 0 || i >= count()) return false;
        m_attempt.acted = true;
        change(m_slots[static_cast<std::size_t>(i)]);
        return true;
    }
    template <typename Change> bool choose(int i, Change&& change) {
        return choose(i, true, std::forward<Change>(change));
    }

    // Checks the task: mark(i, slot) sets slot i's marks and tells whether it is right;
    // the right ones count correct, the others wrong.
    template <typename Mark> void check(Mark&& mark) {
        int correct = 0;
        for (int i = 0; i < count(); ++i)
            if (mark(i, m_slots[static_cast<std::size_t>(i)])) ++correct;
        m_attempt.check(correct, count() - correct);
    }

private:
    std::vector<Slot> m_slots;
    TaskAttempt m_attempt;
};

} // namespace vimo
