#pragma once
// TForm10, the new-learner window: the learner types a name (and, without be.ini,
// picks the interface language); OK adds them to the learner list and hands the new
// learner's position and language to the program, which makes them current.

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "core/learners.h"

#include <QDialog>
#include <QImage>
#include <functional>

class QComboBox;
class QLineEdit;

namespace vimo {

class TForm20;
class TTransparentButton;
class TUniLabel;

// The wording of the refusals that have no interface text (UTF-8). The name field
// keeps the last two out already (30 characters, letters usr.t can hold).
inline constexpr const char* kLearnerListFullMessage =
    "Nie można dodać nowego ucznia: lista uczniów jest pełna (250 osób).";
inline constexpr const char* kNoLearnerNumberLeftMessage =
    "Nie można dodać nowego ucznia: nie ma już wolnego numeru ucznia.";
inline constexpr const char* kNameTooLongMessage = "Imię może mieć najwyżej 30 znaków.";
inline constexpr const char* kNameCharactersMessage =
    "Imię zawiera znaki, których nie można zapisać na liście uczniów.";

class TForm10 : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{460, 300};

    // Called after a learner was added, with their position in the list and their
    // interface language; returns true when that learner is now current.
    using LearnerAdded = std::function<bool(int position, int language)>;

    TForm10(const CourseState& state, LearnerList& learners, const TMyImageList& buttons,
            TForm20& messages, HelpLinks& help, QWidget* parent = nullptr);

    void on_learner_added(LearnerAdded callback) { m_learner_added = std::move(callback); }

    // Shows the window modally. True when a learner was added and made current.
    bool run();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void form_show();
    void fill_languages();
    void update_ok();
    void confirm();
    void show_message(const UniString& text);
    int chosen_language() const;

    const CourseState& m_state;
    LearnerList& m_learners;
    TForm20& m_messages;
    HelpLinks& m_help;
    LearnerAdded m_learner_added;
    bool m_chosen = false;

    QImage m_background;
    QLineEdit* m_name = nullptr;
    TUniLabel* m_language_label = nullptr;
    QComboBox* m_languages = nullptr;
    TTransparentButton* m_ok = nullptr;
    TTransparentButton* m_close = nullptr;
    TTransparentButton* m_help_button = nullptr;
};

} // namespace vimo
