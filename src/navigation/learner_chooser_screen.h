#pragma once
// TForm9, the learner chooser of a stand-alone installation: the names of the learner
// list, OK to choose the selected one, a button to add a new learner, and exit, which
// ends the program.

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "core/learners.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;

namespace vimo {

class TForm10;
class TTransparentButton;

class TForm9 : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{460, 300};

    enum class Outcome {
        chosen,    // a learner is current
        terminate, // the learner left: the program ends
    };

    // Makes the learner at this position of the list current; true on success (the
    // chooser then closes), false keeps the chooser open.
    using Choose = std::function<bool(int position)>;

    TForm9(const CourseState& state, const LearnerList& learners, const TMyImageList& buttons,
           TForm10& new_learner, HelpLinks& help, QWidget* parent = nullptr);

    void on_choose(Choose callback) { m_choose = std::move(callback); }

    // Shows the chooser modally until a learner is current or the learner leaves.
    Outcome run();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load_picture();
    void refill();
    void update_ok();
    void confirm();
    void add_new_learner();

    const CourseState& m_state;
    const LearnerList& m_learners;
    TForm10& m_new_learner;
    HelpLinks& m_help;
    Choose m_choose;
    Outcome m_outcome = Outcome::terminate;

    QImage m_background;
    QComboBox* m_list = nullptr;
    TTransparentButton* m_ok = nullptr;
    TTransparentButton* m_close = nullptr;
    TTransparentButton* m_new = nullptr;
    TTransparentButton* m_help_button = nullptr;
};

} // namespace vimo
