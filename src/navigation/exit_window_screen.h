#pragma once
// TForm24, the exit window: the picture "gfx_r\koniec.bmp" of the language folder
// with a yes and a no button. Yes (and Enter) confirms; no and Escape cancel.

#include "core/course_state.h"

#include <QDialog>
#include <QPixmap>

namespace vimo {

class ClickArea;

class TForm24 : public QDialog {
    Q_OBJECT
public:
    explicit TForm24(const CourseState& state, QWidget* parent = nullptr);

    // Shows the window modally; true when the learner confirmed.
    bool ask();

    static constexpr QRect yes_area{60, 150, 130, 44};
    static constexpr QRect no_area{230, 150, 130, 44};

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void load_picture();

    const CourseState& m_state;
    QPixmap m_picture;
    ClickArea* m_yes = nullptr;
    ClickArea* m_no = nullptr;
};

} // namespace vimo
