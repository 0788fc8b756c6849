#pragma once
// TC_MC_Form: the multiple-choice screen, the task frame with the question list.

#include "exercises/tasks/multiple_choice.h"
#include "exercises/tasks/task_screen.h"

#include <functional>

namespace vimo {

class TFCSImage1;

// pb_tresc: paints the questions of the engine and hands a click on an answer on.
class McList : public QWidget {
    Q_OBJECT
public:
    using Chosen = std::function<void(int question, int item)>;
    using LookUp = std::function<void(const UniString& word)>;

    McList(QWidget* parent, const MultipleChoice& engine, const AnswerPictures& pictures,
           Chosen chosen, LookUp look_up);
    const McLayout& layout() const { return m_layout; }
    // Lays the questions out again, scrolled by scroll lines.
    void relayout(int scroll);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const MultipleChoice& m_engine;
    const AnswerPictures& m_pictures;
    Chosen m_chosen;
    LookUp m_look_up;
    McLayout m_layout;
};

class TC_MC_Form : public TaskScreen {
    Q_OBJECT
public:
    // The task area's places when the layout line gives none.
    static constexpr int kAreaLeft = 35;
    static constexpr int kAreaTop = 150;
    static constexpr int kAreaRight = 870;
    static constexpr int kAreaBottom = 725;
    // The scroll arrows stand 5 pixels right of the area, at their designed tops.
    static constexpr int kArrowGap = 5;
    static constexpr int kUpTop = 176;
    static constexpr int kDownTop = 680;

    explicit TC_MC_Form(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_mc.attempt(); }
    const MultipleChoice& engine() const { return m_mc; }
    McList& list() { return *m_list; }
    TFCSImage1& up_button() { return *m_up; }
    TFCSImage1& down_button() { return *m_down; }
    int scroll() const { return m_scroll; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;

private:
    void choose(int question, int item);
    void scroll_by(int step);
    void sync_arrows();

    MultipleChoice m_mc;
    McList* m_list = nullptr;
    TFCSImage1* m_up = nullptr;
    TFCSImage1* m_down = nullptr;
    int m_scroll = 0;
    int m_max_scroll = 0;
};

} // namespace vimo
