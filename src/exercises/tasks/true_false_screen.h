#pragma once
// TC_TF_Form: the true/false screen, the task frame with the statement list and a
// pair of boxes beside every statement.

#include "exercises/tasks/task_screen.h"
#include "exercises/tasks/true_false.h"

#include <array>

namespace vimo {

class TMImage;

// pb_tresc: paints the column titles, the lines and the statements of the engine.
class TfList : public QWidget {
    Q_OBJECT
public:
    using LookUp = std::function<void(const UniString& word)>;

    TfList(QWidget* parent, const TrueFalse& engine, LookUp look_up);
    const TfLayout& layout() const { return m_layout; }
    // Lays the statements out again beside boxes box_height high.
    void relayout(int box_height);

protected:
    void paintEvent(QPaintEvent* event) override;
    // A right click on a statement's word looks it up.
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TrueFalse& m_engine;
    LookUp m_look_up;
    TfLayout m_layout;
};

class TC_TF_Form : public TaskScreen {
    Q_OBJECT
public:
    // The statement list: its left when the layout line gives none, its right and its
    // designed height; the instruction may reach further right than on other screens.
    static constexpr int kListLeft = 50;
    static constexpr int kListTop = 150;
    static constexpr int kListRight = 657;
    static constexpr int kListHeight = 541;
    static constexpr int kInstructionRight = 865;
    // The result mark stands this far left of the list.
    static constexpr int kMarkOffset = 15;

    explicit TC_TF_Form(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_tf.attempt(); }
    const TrueFalse& engine() const { return m_tf; }
    TfList& list() { return *m_list; }
    TMImage& true_box(int i) { return *m_true_boxes[static_cast<std::size_t>(i)]; }
    TMImage& false_box(int i) { return *m_false_boxes[static_cast<std::size_t>(i)]; }
    TMImage& result_mark(int i) { return *m_marks[static_cast<std::size_t>(i)]; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    int instruction_right() const override { return kInstructionRight; }

private:
    void choose(int i, bool answer_true);
    void place_boxes();
    void show_choice(int i);

    TrueFalse m_tf;
    TfList* m_list = nullptr;
    std::array<TMImage*, TrueFalse::kMaxStatements> m_true_boxes{};
    std::array<TMImage*, TrueFalse::kMaxStatements> m_false_boxes{};
    std::array<TMImage*, TrueFalse::kMaxStatements> m_marks{};
};

} // namespace vimo
