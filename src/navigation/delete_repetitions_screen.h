#pragma once
// Tkas_powt_Form: asks whether every repetition is to be deleted. OK confirms; the
// close button and Escape leave everything as it was.

#include "controls/MyImageList.h"
#include "core/course_state.h"

#include <QDialog>
#include <QImage>

namespace vimo {

class TTransparentButton;
class TUniLabel;

class Tkas_powt_Form : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{300, 100};

    Tkas_powt_Form(const CourseState& state, const TMyImageList& buttons,
                   QWidget* parent = nullptr);

    // Shows the window modally; true when the learner confirmed. Every opening starts
    // unconfirmed.
    bool ask();
    bool confirmed() const { return m_confirmed; }

    TUniLabel& label() { return *m_label; }
    TTransparentButton& okButton() { return *m_ok; }
    TTransparentButton& closeButton() { return *m_close; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const CourseState& m_state;
    QImage m_background;
    TUniLabel* m_label = nullptr;
    TTransparentButton* m_ok = nullptr;
    TTransparentButton* m_close = nullptr;
    bool m_confirmed = false;
};

} // namespace vimo
