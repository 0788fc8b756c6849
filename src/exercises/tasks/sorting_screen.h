#pragma once
// TC_DDForm: the sorting screen, the task frame over the screen's grey with the word
// pool above a table of titled columns; words are dragged into the columns.

#include "exercises/tasks/sorting.h"
#include "exercises/tasks/task_screen.h"

#include <array>

namespace vimo {

class LabelDrag;
class TUniLabel;

class TC_DDForm : public TaskScreen {
    Q_OBJECT
public:
    explicit TC_DDForm(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_dd.attempt(); }
    const Sorting& engine() const { return m_dd; }
    TUniLabel& word_label(int k) { return *m_labels[static_cast<std::size_t>(k)]; }
    TUniLabel& title_label(int column) { return *m_titles[static_cast<std::size_t>(column - 1)]; }

    static QFont title_font();

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void place_label(int k);

    Sorting m_dd;
    std::array<TUniLabel*, Sorting::kMaxWords> m_labels{};
    std::array<TUniLabel*, Sorting::kMaxColumns> m_titles{};
    LabelDrag* m_drag = nullptr;
};

} // namespace vimo
