#pragma once
// TC_MC_Form: the multiple-choice screen, the task frame with the question list.

#include "core/random.h"
#include "exercises/tasks/multiple_choice.h"
#include "exercises/tasks/task_screen.h"

namespace vimo {

class TFCSImage1;
class TC_MC_Form;

// pb_tresc: paints the questions and takes the clicks on answers.
class McList : public QWidget {
    Q_OBJECT
public:
    explicit McList(TC_MC_Form& form);
    const McLayout& layout() const { return m_layout; }
    void relayout();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    TC_MC_Form& m_form;
    McLayout m_layout;
};

class TC_MC_Form : public TaskScreen {
    Q_OBJECT
public:
    TC_MC_Form(const CourseState& course, const TMyImageList& buttons, HelpLinks& help,
               InstructionWordTable& instructions, RandomSource& random,
               QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_mc.attempt(); }
    const MultipleChoice& engine() const { return m_mc; }
    McList& list() { return *m_list; }
    TFCSImage1& upButton() { return *m_up; }
    TFCSImage1& downButton() { return *m_down; }
    int scroll() const { return m_scroll; }

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;

private:
    friend class McList;
    void scroll_by(int step);
    void sync_arrows();

    RandomSource& m_random;
    MultipleChoice m_mc;
    McList* m_list = nullptr;
    TFCSImage1* m_up = nullptr;
    TFCSImage1* m_down = nullptr;
    int m_scroll = 0;
    int m_max_scroll = 0;
    QImage m_box_normal;
    QImage m_box_checked;
    QImage m_box_bad;
    QImage m_mark_ok;
    QImage m_mark_bad;
};

} // namespace vimo
