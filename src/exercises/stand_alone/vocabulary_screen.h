#pragma once
// TForm4: the vocabulary drill's full screen. Five tabs (the word list, then hearing,
// reading, dictation and translating), the instruction line, the word line, four
// choices or the typing field, the marks and the right answer, the example sentence,
// the score, and the word list in which the learner hears a word, sees its translation
// and records themself. It turns clicks and keys into calls of the drill engine and
// paints the engine's state.

#include "exercises/stand_alone/stand_alone_services.h"
#include "exercises/stand_alone/vocabulary.h"
#include "exercises/stand_alone/word_line.h"
#include "exercises/tasks/task_screen.h"
#include "navigation/open_item.h"

#include <QFont>
#include <QImage>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QLineEdit;
class QLabel;

namespace vimo {

class RecordHold;
class TMImage;
class TPanel1;
class TTransparentButton;
class TUniLabel;
class LabelLookUp;

// dxramka: a word line too long for the plain label, painted token by token.
class WordLineBox : public QWidget {
    Q_OBJECT
public:
    explicit WordLineBox(QWidget* parent);
    static QFont line_font();
    // Lays text out; the box grows downwards for every line past its first three.
    void set_text(const std::string& text, bool highlighting);
    const WordLineLayout& layout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WordLineLayout m_layout;
    int m_base_height = 0;
};

// dxramka_mat: the word list of tab 1, clipped to its box and scrolled a row at a time.
class WordListBox : public QWidget {
    Q_OBJECT
public:
    struct Row {
        std::string text;
        bool sentence = false;
        bool has_sound = false;
    };
    enum class Part { none, microphone, speaker, text };
    struct Hit {
        int row = 0; // from 1
        Part part = Part::none;
        int right = 0; // the word area's right end
    };
    struct Hooks {
        std::function<void(int row, Part part, Qt::MouseButton button)> pressed;
        std::function<void(Qt::MouseButton button)> released;
        std::function<void(const Hit& hit, int top)> hovered; // top: the row's top in the box
    };

    WordListBox(QWidget* parent, QImage microphone, QImage microphone_on, QImage speaker);
    void set_hooks(Hooks hooks) { m_hooks = std::move(hooks); }
    void set_rows(std::vector<Row> rows, const QFont& font);
    void set_recording_row(int row); // 0: none
    // Scrolls by rows (negative: up), kept within the list.
    void scroll_rows(int rows);
    int first_row() const { return m_first; }
    int row_height() const { return m_row_height; }
    int visible_rows() const;
    // The row's top in the box, or nullopt when it is scrolled out of sight.
    std::optional<int> row_top(int row) const;
    Hit hit_at(QPoint at) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int text_right(const Row& row) const;

    QImage m_microphone;
    QImage m_microphone_on;
    QImage m_speaker;
    std::vector<Row> m_rows;
    QFont m_font;
    int m_row_height = 18;
    int m_first = 1;
    int m_recording_row = 0;
    Hooks m_hooks;
};

class TForm4 : public QWidget, public ItemScreens {
    Q_OBJECT
public:
    static constexpr QSize kSize{1024, 768};

    explicit TForm4(StandAloneServices& services, QWidget* parent = nullptr);
    ~TForm4() override;

    void open_vocabulary(const std::string& item, const std::string& file, int mode) override;

    // The drill of the open list, or nullptr while none is open.
    const VocabularyDrill* drill() const { return m_drill.get(); }
    void leave();

    TMImage& tab(int n) { return *m_tabs[static_cast<std::size_t>(n - 1)]; }
    TUniLabel& choice(int n) { return *m_choices[static_cast<std::size_t>(n - 1)]; }
    TUniLabel& instruction() { return *m_instruction; }
    TUniLabel& word_label() { return *m_word; }
    WordLineBox& word_line() { return *m_word_line; }
    QLineEdit& typing_field() { return *m_typing; }
    TUniLabel& right_answer() { return *m_right_answer; }
    TMImage& mark_ok() { return *m_mark_ok; }
    TMImage& mark_bad() { return *m_mark_bad; }
    TTransparentButton& ok_button() { return *m_ok; }
    TTransparentButton& repeat_button() { return *m_repeat; }
    TTransparentButton& play_button() { return *m_play; }
    TTransparentButton& replay_button() { return *m_replay; }
    TPanel1& score_panel() { return *m_score; }
    TUniLabel& example_line() { return *m_example; }
    TMImage& example_speaker() { return *m_example_speaker; }
    WordListBox& word_list() { return *m_list; }
    TMImage& own_recording_speaker() { return *m_own_speaker; }
    QLabel& list_bubble() { return *m_bubble; }
    // The background picture file shown, for F4.
    const std::string& background_file() const { return m_background_file; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build_task_area();
    void build_word_list();
    void load_pictures();
    void new_background();
    void enter_tab(int tab);
    void show_state();
    void show_tab_strip();
    void show_task();
    void show_word_line(const std::string& text);
    void show_example(const std::optional<ExampleSentence>& example);
    void hide_task_elements();
    void ok_clicked();
    bool handle_key(int key);
    void show_answer_popup();
    void play(const std::string& path, bool wait);
    void list_pressed(int row, WordListBox::Part part, Qt::MouseButton button);
    void list_hovered(const WordListBox::Hit& hit, int top);
    void recording_accepted();
    void fill_word_list();
    QString instruction_text() const;

    StandAloneServices& m_services;
    const CourseState& m_course;
    std::string m_item;
    std::optional<WordFile> m_words;
    std::unique_ptr<VocabularyDrill> m_drill;

    QImage m_background;
    std::string m_background_file;
    QImage m_panel;
    AnswerPictures m_answers;
    std::array<TMImage*, kDrillTabs> m_tabs{};
    struct TabPictures {
        QImage closed;
        QImage open; // the tab on view
    };
    std::array<TabPictures, kDrillTabs> m_tab_pictures{}; // loaded when a list opens
    TTransparentButton* m_exit = nullptr;
    TPanel1* m_score = nullptr;
    TUniLabel* m_instruction = nullptr;
    TUniLabel* m_word = nullptr;
    WordLineBox* m_word_line = nullptr;
    QLineEdit* m_typing = nullptr;
    TUniLabel* m_right_answer = nullptr;
    TMImage* m_mark_ok = nullptr;
    TMImage* m_mark_bad = nullptr;
    TUniLabel* m_translation = nullptr;
    std::array<TUniLabel*, 4> m_choices{};
    std::array<TMImage*, 4> m_bullets{};
    TTransparentButton* m_ok = nullptr;
    TTransparentButton* m_repeat = nullptr;
    TTransparentButton* m_play = nullptr;
    TTransparentButton* m_replay = nullptr;
    TTransparentButton* m_dictionary = nullptr;
    TTransparentButton* m_help = nullptr;
    TUniLabel* m_example = nullptr;
    TMImage* m_example_flag = nullptr;
    TMImage* m_example_speaker = nullptr;
    std::string m_example_sound;
    WordListBox* m_list = nullptr;
    TMImage* m_own_speaker = nullptr;
    QLabel* m_bubble = nullptr;
    LabelLookUp* m_look_up = nullptr;
    RecordHold* m_record = nullptr;
    int m_recorded_row = 0;
};

} // namespace vimo
