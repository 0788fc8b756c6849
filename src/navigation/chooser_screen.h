#pragma once
// TWyborForm, the lesson and exercise chooser: the full-screen list of the course
// (mode 1) or of what is due for repetition (mode 2), painted from the Chooser
// engine, with its scroll arrows, expand-all and collapse-all, help, printing and,
// in mode 2, the two repetition deletions.

#include "controls/MyImageList.h"
#include "core/clock.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "navigation/chooser.h"
#include "navigation/chooser_view.h"

#include <QImage>
#include <QWidget>
#include <functional>

namespace vimo {

class TFCSImage1;
class TForm20;
class TTransparentButton;
class Tkas_powt_Form;
class TWyborForm;

// The list area: paints the rows and turns the mouse into engine calls.
class ChooserList : public QWidget {
    Q_OBJECT
public:
    explicit ChooserList(TWyborForm& form);
    int highlight_row() const { return m_highlight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    TWyborForm& m_form;
    int m_highlight = -1;
};

class TWyborForm : public QWidget {
    Q_OBJECT
public:
    static constexpr QPoint kListAt{40, 98};

    struct Links {
        // A row was opened: the exercise context and the item's screen are the
        // program's.
        std::function<void(const OpenContext&)> open;
        // The print button shows only when printing is there.
        std::function<void()> print;
        // Every repetition was deleted (the main menu hides its repetition button).
        std::function<void()> all_repetitions_deleted;
    };

    TWyborForm(const CourseState& course, const ResultsStore& results, RepetitionStore& repetitions,
               const Clock& clock, const TMyImageList& buttons, TForm20& message_window,
               Tkas_powt_Form& confirmation, HelpLinks& help);

    void setLinks(Links links) { m_links = std::move(links); }

    // Builds the list in mode 1 (lessons) or 2 (repetitions, with the delete-all
    // button) and shows the window.
    void open(int mode);
    // What activating the window does: the marks are computed anew from the records.
    void refresh();

    Chooser& chooser() { return m_chooser; }
    ChooserList& list() { return *m_list; }
    TTransparentButton& expandAllButton() { return *m_expand_all; }
    TTransparentButton& collapseAllButton() { return *m_collapse_all; }
    TTransparentButton& deleteOneButton() { return *m_delete_one; }
    TTransparentButton& deleteAllButton() { return *m_delete_all; }
    TTransparentButton& printButton() { return *m_print; }
    TTransparentButton& exitButton() { return *m_exit; }
    TFCSImage1& upArrow() { return *m_up; }
    TFCSImage1& downArrow() { return *m_down; }
    // The visible row the delete-one button is bound to, or -1.
    int boundRow() const { return m_bound_row; }

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class ChooserList;
    void list_changed();
    void left_click(QPoint at);
    void right_click(QPoint at, QPoint in_window);
    void hide_delete_one();
    void delete_one();
    void delete_all();
    void set_expanded(bool expanded);
    void save_repetitions();
    void show_help_text();

    const CourseState& m_course;
    RepetitionStore& m_repetitions;
    TForm20& m_message_window;
    Tkas_powt_Form& m_confirmation;
    HelpLinks& m_help;
    Chooser m_chooser;
    ChooserPictures m_pictures;
    QImage m_background;
    Links m_links;
    ChooserList* m_list = nullptr;
    TTransparentButton* m_exit = nullptr;
    TTransparentButton* m_help_button = nullptr;
    TTransparentButton* m_expand_all = nullptr;
    TTransparentButton* m_collapse_all = nullptr;
    TTransparentButton* m_print = nullptr;
    TTransparentButton* m_delete_all = nullptr;
    TTransparentButton* m_delete_one = nullptr;
    TFCSImage1* m_up = nullptr;
    TFCSImage1* m_down = nullptr;
    int m_bound_row = -1;
};

} // namespace vimo
