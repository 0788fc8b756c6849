#pragma once
// TC_DDVForm: the ordering screen, the task frame with a one-column table whose rows
// the learner drags into their right order. It shows its score as a number beside a
// small picture instead of the score panel.

#include "exercises/tasks/ordering.h"
#include "exercises/tasks/task_screen.h"

#include <array>

class QLabel;

namespace vimo {

class LabelDrag;
class TMImage;
class TUniLabel;

class TC_DDVForm : public TaskScreen {
    Q_OBJECT
public:
    static constexpr int kInstructionRight = 865;
    static constexpr QPoint kScoreAt = kScorePanelAt;

    explicit TC_DDVForm(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_dv.attempt(); }
    const Ordering& engine() const { return m_dv; }
    TUniLabel& word_label(int k) { return *m_labels[static_cast<std::size_t>(k)]; }
    TMImage& mark(int row) { return *m_marks[static_cast<std::size_t>(row - 1)]; }
    QLabel& comment() { return *m_comment; }
    TMImage& score_picture() { return *m_score_picture; }
    QLabel& score_label() { return *m_score; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    int instruction_right() const override { return kInstructionRight; }
    void paintEvent(QPaintEvent* event) override;

private:
    void place_labels();

    Ordering m_dv;
    std::array<TUniLabel*, Ordering::kMaxWords> m_labels{};
    std::array<TMImage*, Ordering::kMaxWords> m_marks{};
    QLabel* m_comment = nullptr;
    TMImage* m_score_picture = nullptr;
    QLabel* m_score = nullptr;
    LabelDrag* m_drag = nullptr;
};

} // namespace vimo
