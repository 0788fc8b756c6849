#pragma once
// TInformacjaForm: the small modal window that shows a help text ("HH_" + an
// interface text, on the help background) or a glossary note (on the note
// background), laid out with its inline tags and pictures and scrolled in 20-pixel
// lines by two arrows. Closed by its exit button, Esc or Enter.
#include "controls/MyImageList.h"
#include "core/config.h"
#include "core/uni.h"
#include "exercises/stand_alone/information.h"

#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <optional>

namespace vimo {

class TMImage;
class TTransparentButton;

class TInformacjaForm : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{455, 266};
    static constexpr QRect kTextArea{12, 52, information::kAreaWidth, information::kAreaHeight};
    static constexpr QRect kDragStrip{0, 0, 421, 33};
    static constexpr QPoint kExitAt{428, 2};
    static constexpr QPoint kUpAt{396, 52};
    static constexpr QPoint kDownAt{396, 231};

    // buttons: the shared button list (the exit button is its picture 43). Loads the
    // inline pictures and the arrows from the course root's gfx_r\informacja\.
    TInformacjaForm(const Config& config, const TMyImageList* buttons, QWidget* parent = nullptr);

    // The caption follows the window caption of the course.
    void load_language_resources();

    // The program-wide information text: callers set it, then show the window.
    void setInformationText(const UniString& text) { m_information_text = text; }
    const UniString& informationText() const { return m_information_text; }
    // Shows the information text modally; returns when the window closes.
    int show_information();
    // Sets the information text and shows it.
    int show_text(const UniString& text);
    // A right click on a word of a glossary note (course text) looks it up; help texts
    // are the program's own Polish and look nothing up.
    void set_look_up(std::function<void(const UniString& word)> look_up) {
        m_look_up = std::move(look_up);
    }
    // The word painted at point of the text area, for a right click.
    std::optional<UniString> word_at(QPoint point) const;
    void look_up_at(QPoint point) const;

    // What is shown, for the screens' tests.
    information::Background background() const { return m_prepared.background; }
    const std::vector<UniString>& words() const { return m_prepared.words; }
    const information::Scroll& scroll() const { return m_scroll; }
    const QImage& backgroundPicture() const { return m_background; }
    TTransparentButton& exitButton() { return *m_exit; }
    TMImage& upArrow() { return *m_up; }
    TMImage& downArrow() { return *m_down; }
    QWidget& textArea() { return *m_area; }

    // The text area's paint: the layout, shifted by the scroll position. The first
    // paint after showing fixes the scroll range and the down arrow.
    void paint_text(QPainter& painter);

public slots:
    void scroll_up();
    void scroll_down();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void show_arrows();

    const Config& m_config;
    std::function<void(const UniString& word)> m_look_up;
    UniString m_information_text;
    information::PreparedText m_prepared;
    information::Scroll m_scroll;
    bool m_layout_pending = false;
    QImage m_background;
    std::array<QImage, information::kPictureCount> m_pictures;
    QWidget* m_area = nullptr;
    TTransparentButton* m_exit = nullptr;
    TMImage* m_up = nullptr;
    TMImage* m_down = nullptr;
};

} // namespace vimo
