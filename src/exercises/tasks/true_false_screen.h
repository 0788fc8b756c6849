#pragma once
// TC_TF_Form: the true/false screen, the task frame with the statement list and a
// pair of boxes beside every statement.

#include "core/random.h"
#include "exercises/tasks/task_screen.h"
#include "exercises/tasks/true_false.h"

#include <array>

namespace vimo {

class TMImage;
class TC_TF_Form;

// pb_tresc: paints the column titles, the lines and the statements.
class TfList : public QWidget {
    Q_OBJECT
public:
    explicit TfList(TC_TF_Form& form);
    const TfLayout& layout() const { return m_layout; }
    void relayout();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TC_TF_Form& m_form;
    TfLayout m_layout;
};

class TC_TF_Form : public TaskScreen {
    Q_OBJECT
public:
    TC_TF_Form(const CourseState& course, const TMyImageList& buttons, HelpLinks& help,
               InstructionWordTable& instructions, RandomSource& random,
               QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_tf.attempt(); }
    const TrueFalse& engine() const { return m_tf; }
    TfList& list() { return *m_list; }
    TMImage& trueBox(int i) { return *m_true_boxes[static_cast<std::size_t>(i)]; }
    TMImage& falseBox(int i) { return *m_false_boxes[static_cast<std::size_t>(i)]; }
    TMImage& resultMark(int i) { return *m_marks[static_cast<std::size_t>(i)]; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    int instruction_right() const override { return 865; }

private:
    friend class TfList;
    void choose(int i, bool answer_true);
    void place_boxes();
    void show_choice(int i);

    RandomSource& m_random;
    TrueFalse m_tf;
    TfList* m_list = nullptr;
    std::array<TMImage*, TrueFalse::kMaxStatements> m_true_boxes{};
    std::array<TMImage*, TrueFalse::kMaxStatements> m_false_boxes{};
    std::array<TMImage*, TrueFalse::kMaxStatements> m_marks{};
    QImage m_box_normal;
    QImage m_box_checked;
    QImage m_box_bad;
    QImage m_mark_ok;
    QImage m_mark_bad;
};

} // namespace vimo
