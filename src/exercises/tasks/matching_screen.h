#pragma once
// TC_HForm: the matching screen, the task frame with two columns of items that the
// learner pairs row by row. It has its own places for the check, again and leave
// buttons and no glossary, dictionary or score panel.

#include "controls/UniLabel.h"
#include "exercises/tasks/matching.h"
#include "exercises/tasks/task_screen.h"

#include <array>
#include <functional>

namespace vimo {

// lbl_L1 … lbl_L14, lbl_P1 … lbl_P14: the item on one row of a column. A left click
// pairs it, a right click looks the word under the pointer up.
class HhLabel : public TUniLabel {
    Q_OBJECT
public:
    using LookUp = std::function<void(const UniString& word)>;

    HhLabel(QWidget* parent, std::function<void()> clicked, LookUp look_up);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_clicked;
    LookUp m_look_up;
};

class TC_HForm : public TaskScreen {
    Q_OBJECT
public:
    static constexpr QPoint kCheckAt{710, 360};
    static constexpr QPoint kAgainAt{700, 200};
    static constexpr QPoint kLeaveAt{775, 0};
    // The rows are centred in this area when the layout line gives none.
    static constexpr int kAreaLeft = 0;
    static constexpr int kAreaTop = 200;
    static constexpr int kAreaWidth = 670;
    // How long a selected item shows red before the pairing moves it.
    static constexpr int kPauseMs = 100;

    explicit TC_HForm(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_hh.attempt(); }
    const Matching& engine() const { return m_hh; }
    HhLabel& label(MatchColumn column, int row);
    const std::vector<MatchRowPlace>& places() const { return m_places; }
    bool pausing() const { return m_pausing; }

    static const QColor& grey();

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    void paintEvent(QPaintEvent* event) override;

private:
    void clicked(MatchColumn column, int row);
    void pause();
    void show_rows();

    Matching m_hh;
    std::array<HhLabel*, Matching::kMaxPairs> m_left{};
    std::array<HhLabel*, Matching::kMaxPairs> m_right{};
    std::vector<MatchRowPlace> m_places;
    bool m_pausing = false;
};

} // namespace vimo
