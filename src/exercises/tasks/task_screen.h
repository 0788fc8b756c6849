#pragma once
// The frame every task screen of a comprehension text shares: the background, the
// right panel with one tab per task, the instruction box, the check and again
// buttons, the score panel and the buttons for the lesson's media, the glossary,
// help, the dictionary and leaving. A kind's screen derives from it and adds its task
// area; what the frame's buttons lead to is the program's (TaskScreen::Links).

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "core/exercise_kinds.h"
#include "core/help_links.h"
#include "core/random.h"
#include "exercises/tasks/exercise_frame.h"
#include "exercises/tasks/screen_services.h"
#include "exercises/tasks/text_painter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPalette>
#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vimo {

class LabelDrag;
class LabelLookUp;
class TMImage;
class TPanel1;
class TTransparentButton;
class TUniLabel;

// The instruction paint box: the task's instruction in the interface language, whose
// words a right click looks up in the dictionary.
class InstructionBox : public QWidget {
    Q_OBJECT
public:
    InstructionBox(QWidget* parent, InstructionWordTable& table);
    const InstructionWordTable& table() const { return m_table; }

    // The instruction's variants (header fields 4, 5 and 6) and the language folder
    // that chooses among them.
    void set_instruction(std::string language_folder, UniString field4, UniString field5,
                         UniString field6);
    void set_look_up(DictionaryOpen look_up) { m_look_up = std::move(look_up); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    InstructionWordTable& m_table;
    std::string m_language_folder;
    std::array<UniString, 3> m_fields;
    DictionaryOpen m_look_up;
};

// A place of a task engine as a widget's geometry.
inline QRect to_qrect(const AreaRect& r) {
    return {r.left, r.top, r.width, r.height};
}

// Paints widget's text in colour.
inline void set_text_colour(QWidget& widget, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, colour);
    widget.setPalette(palette);
}

// The position of widget among a screen's widgets of one kind, or -1.
template <typename Widget, std::size_t N>
int widget_index(const std::array<Widget*, N>& widgets, const QWidget& widget) {
    for (std::size_t k = 0; k < N; ++k)
        if (widgets[k] == &widget) return static_cast<int>(k);
    return -1;
}

// The answer boxes and result marks the task screens share (gfx_r\img_normal.bmp,
// img_checked.bmp, img_bad.bmp, stan_ok.bmp, stan_bad.bmp, wykrzyknik.bmp under the
// course root), drawn plainly when the course lacks them so that the task can still be
// done.
struct AnswerPictures {
    QImage box_normal;
    QImage box_checked;
    QImage box_bad; // a wrong answer the learner ticked
    QImage mark_ok;
    QImage mark_bad;
    QImage exclamation; // a row in the wrong place

    static AnswerPictures load(const Config& config);
};

class TaskScreen : public QWidget {
    Q_OBJECT
public:
    struct Links {
        std::function<void(int tab)> tab_clicked;
        std::function<void()> leave;      // lbl_exit: the program closes the task
        std::function<void()> media;      // btn_media; the again button of a recording
        std::function<void()> glossary;   // btn_tlumacz
        std::function<void()> dictionary; // btn_slownik
        std::function<void()> stop_sound; // before checking
        DictionaryOpen look_up;           // a right-clicked word
        // Prints an HTML document (the screens with a print button).
        std::function<void(const QString& document)> print;
        // Opens a text's translation (a file under "Wpisywania\") in its window.
        std::function<void(const std::string& file_name)> open_translation;
    };

    static constexpr QSize kSize{1024, 768};
    static constexpr QPoint kCheckAt{935, 198};
    static constexpr QPoint kGlossaryAt{935, 264};
    static constexpr QPoint kDictionaryAt{935, 605};
    static constexpr QPoint kHelpAt{0, 743};
    static constexpr QPoint kMediaAt{50, 10};
    static constexpr QPoint kExitAt{999, 0};
    static constexpr QPoint kScorePanelAt{50, 108};
    static constexpr int kTabLeft = 934;
    static constexpr int kTabTop = 20;
    static constexpr int kTabStep = 21;
    // Where the instruction box ends unless a screen says otherwise.
    static constexpr int kInstructionRight = 657;

    // task_kind: the task list's kind the screen shows ("MC"), a row of the kinds table.
    TaskScreen(ScreenServices& services, std::string_view task_kind, QWidget* parent = nullptr);

    void set_links(Links links);

    // Loads the task of the lesson's current tab afresh and shows the screen.
    void open_task(const LessonContext& lesson, const TaskEntry& task);
    // The attempt so far, for reporting when the screen closes.
    virtual const TaskAttempt& attempt() const = 0;
    // Why task cannot be opened (its content file is missing or malformed), for the
    // learner, who then stays where they were; none when it can.
    virtual std::optional<std::string> content_problem(const TaskEntry& task) const;

    TTransparentButton& check_button() { return *m_check; }
    TTransparentButton& again_button() { return *m_again; }
    TTransparentButton& media_button() { return *m_media; }
    TPanel1& score_panel() { return *m_score_panel; }
    InstructionBox& instruction_box() { return *m_instruction; }
    TMImage& tab(int k) { return *m_tabs[static_cast<std::size_t>(k - 1)]; }
    const ExerciseKind& kind() const { return m_kind; }

    // The font of the task screens' lists of questions and statements.
    static QFont list_font(bool bold);
    // The font of the words and terms the learner drags (13 pixels high).
    static QFont drag_label_font();

protected:
    // The task area's places where the layout line gives none.
    virtual AreaDefaults area_defaults() const = 0;
    // Reads the content and lays the task area out; the frame is ready.
    virtual void load_content(const TaskEntry& task, const TaskLayout& layout) = 0;
    // The kind's evaluation of the check button.
    virtual void evaluate() = 0;
    // The instruction box's right limit on this screen.
    virtual int instruction_right() const { return kInstructionRight; }
    // For a screen of its own layout, from its constructor: its check, again and leave
    // buttons stand at these places, and it has no glossary, dictionary or score panel
    // (its score is still reported when it closes).
    void use_own_frame(QPoint check_at, QPoint again_at, QPoint leave_at);
    // For a screen without a background picture, from its constructor: the screen's
    // grey shows under its task area.
    void use_plain_background();
    // For a screen that shows its score in its own way, from its constructor: the score
    // panel stays hidden (the score is still reported when it closes).
    void use_own_score() { m_shows_score = false; }
    // A right click on label looks the word under the pointer up (its other buttons
    // are the label's).
    void look_up_on_right_click(TUniLabel& label);
    // A hidden label of this screen named name, in the drag label font, that drag moves
    // and a right click looks up.
    TUniLabel* make_drag_label(const QString& name, LabelDrag& drag);

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    const TaskLayout& layout() const { return m_layout; }
    const AnswerPictures& answer_pictures() const { return m_answers; }
    // Hands a printout to the program's printing.
    void print_document(const QString& document) const;
    // Opens the translation window on file_name under "Wpisywania\".
    void open_translation(const std::string& file_name) const;
    // Opens the dictionary's small window on a right-clicked word of the task area.
    void look_up_word(const UniString& word) const;

    const CourseState& m_course;
    RandomSource& m_random;

private:
    void reload();
    void load_pictures(const LessonContext& lesson, const TaskEntry& task);
    void check();

    HelpLinks& m_help;
    const ExerciseKind& m_kind;
    Links m_links;
    AnswerPictures m_answers;
    const LessonContext* m_lesson = nullptr;
    const TaskEntry* m_task = nullptr;
    TaskLayout m_layout;
    InstructionBox* m_instruction = nullptr;
    QImage m_background;
    QImage m_panel;
    std::array<TMImage*, kMaxTabs> m_tabs{};
    TTransparentButton* m_check = nullptr;
    TTransparentButton* m_again = nullptr;
    TTransparentButton* m_glossary = nullptr;
    TTransparentButton* m_dictionary = nullptr;
    TTransparentButton* m_help_button = nullptr;
    TTransparentButton* m_media = nullptr;
    TTransparentButton* m_exit = nullptr;
    TPanel1* m_score_panel = nullptr;
    bool m_shows_score = true;
    bool m_plain_background = false;
    LabelLookUp* m_label_look_up = nullptr;
};

} // namespace vimo
