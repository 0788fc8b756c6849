#pragma once
// TCW_Wpisywanie1Form: the typing screen, the task frame with the text of the lesson
// whose gaps the learner fills in an edit field placed over each gap in turn.

#include "exercises/tasks/task_screen.h"
#include "exercises/tasks/typing.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <variant>

class QLineEdit;

namespace vimo {

class TFCSImage1;
class TFcsFontPanel;
class TForm20;
struct Settings;

// DXRamka: paints the engine's layout of the text and hands mouse events on.
class TypingBox : public QWidget {
    Q_OBJECT
public:
    struct Events {
        std::function<void(Qt::MouseButton button, QPoint at)> pressed;
        std::function<void(QPoint at)> moved;
    };

    TypingBox(QWidget* parent, const Typing& engine, const AnswerPictures& pictures, Events events);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    const Typing& m_engine;
    const AnswerPictures& m_pictures;
    Events m_events;
};

class TCW_Wpisywanie1Form : public TaskScreen {
    Q_OBJECT
public:
    // The text box's places when the layout line gives none: its width reaches 650.
    static constexpr int kBoxLeft = 50;
    static constexpr int kBoxTop = 150;
    static constexpr int kBoxRight = 650;
    static constexpr int kBoxHeight = 503;
    static constexpr int kInstructionWidth = 657;
    static constexpr int kArrowGap = 6;
    static constexpr int kEditHeight = 18;
    static constexpr QPoint kPrintAt{935, 330};
    static constexpr QPoint kTranslationAt{935, 396};
    static constexpr int kPrintHint = 123;
    static constexpr int kTranslationHint = 181;
    static constexpr int kTypedHint = 176;
    static constexpr int kNothingTypedHint = 177;

    explicit TCW_Wpisywanie1Form(ScreenServices& services, QWidget* parent = nullptr);

    const TaskAttempt& attempt() const override { return m_typing.attempt(); }
    std::optional<std::string> content_problem(const TaskEntry& task) const override;
    const Typing& engine() const { return m_typing; }
    TypingBox& box() { return *m_box; }
    QLineEdit& edit() { return *m_edit; }
    TFCSImage1& up_button() { return *m_up; }
    TFCSImage1& down_button() { return *m_down; }
    TTransparentButton& print_button() { return *m_print; }
    TTransparentButton& translation_button() { return *m_translation; }
    TFcsFontPanel& font_panel() { return *m_font_panel; }

    // The printout of the text as it stands.
    QString printout_document();

protected:
    AreaDefaults area_defaults() const override;
    void load_content(const TaskEntry& task, const TaskLayout& layout) override;
    void evaluate() override;
    int instruction_right() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool read_text(const std::string& path);
    // The text of the typing file at path, or the message that refuses it.
    static std::variant<TypingText, std::string> read_typing_text(const std::string& path);
    void refuse(const std::string& message);
    void place_controls(const TaskLayout& layout);
    void relayout();
    UniString editor_text() const;
    void box_pressed(Qt::MouseButton button, QPoint at);
    void box_moved(QPoint at);
    void open_gap(int k);
    void close_editor();
    void hide_editor();
    void scroll_by(int step);
    void sync_arrows();
    void btn_printClick();

    TForm20& m_messages;
    const Settings& m_settings;
    Typing m_typing;
    std::string m_name;          // the typing file's base name
    UniString m_header;          // the task's header, for the printout's titles
    TypingBox* m_box = nullptr;  // DXRamka
    QLineEdit* m_edit = nullptr; // Edit1
    TFCSImage1* m_up = nullptr;
    TFCSImage1* m_down = nullptr;
    TTransparentButton* m_print = nullptr;
    TTransparentButton* m_translation = nullptr; // btn_tlumacz_tekstu
    TFcsFontPanel* m_font_panel = nullptr;       // FontPanel
};

} // namespace vimo
