#pragma once
// TC_DefForm: the definitions screen, the task frame with the term labels above the
// definitions and a slot at the left of each; terms are dragged into slots.

#include "exercises/tasks/definitions.h"
#include "exercises/tasks/task_screen.h"

#include <QFrame>
#include <array>

namespace vimo {

class LabelDrag;
class TMImage;
class TUniLabel;

// DxRamka: paints the definitions' words and looks a right-clicked one up.
class DefBox : public QWidget {
    Q_OBJECT
public:
    using LookUp = std::function<void(const UniString& word)>;
    DefBox(QWidget* parent, const Definitions& engine, LookUp look_up);
    static QFont box_font();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const Definitions& m_engine;
    LookUp m_look_up;
};

class TC_DefForm : public TaskScreen {
    Q_OBJECT
public:
    static constexpr int kPoolTop = 150;
    static constexpr int kInstructionRight = 865;
    // The definitions may spill past their box's width up to the right panel.
    static constexpr int kAreaRight = 924;
    static constexpr int kWrongHint = 176; // interface text before a wrong term
    static constexpr int kEmptyHint = 177; // interface text of an empty slot
    static constexpr int kHintMs = 20000;  // how long a mark's hint stays

    explicit TC_DefForm(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_df.attempt(); }
    const Definitions& engine() const { return m_df; }
    TUniLabel& term_label(int k) { return *m_labels[static_cast<std::size_t>(k)]; }
    QWidget& slot(int i) { return *m_slots[static_cast<std::size_t>(i)]; }
    QFrame& slot_frame(int i) { return *m_frames[static_cast<std::size_t>(i)]; }
    QFrame& dash(int i) { return *m_dashes[static_cast<std::size_t>(i)]; }
    TMImage& mark(int i) { return *m_marks[static_cast<std::size_t>(i)]; }
    DefBox& box() { return *m_box; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    int instruction_right() const override { return kInstructionRight; }

private:
    void place_label(int k);

    Definitions m_df;
    std::array<TUniLabel*, Definitions::kMaxPairs> m_labels{};
    std::array<QWidget*, Definitions::kMaxPairs> m_slots{};
    std::array<QFrame*, Definitions::kMaxPairs> m_frames{};
    std::array<QFrame*, Definitions::kMaxPairs> m_dashes{};
    std::array<TMImage*, Definitions::kMaxPairs> m_marks{};
    DefBox* m_box = nullptr;
    LabelDrag* m_drag = nullptr;
};

} // namespace vimo
