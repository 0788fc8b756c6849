#pragma once
// THtml_SmallForm: the reading window, a small movable window that shows an HTML page
// of an exercise (a text whose media is a page, a letter's tips) over its background
// picture, with print and close buttons. It is shown modally.

#include "controls/MyImageList.h"
#include "core/course_state.h"

#include <QDialog>
#include <QImage>
#include <string>

namespace vimo {

class DragStrip;
class HtmlViewer;
class TForm20;
class TTransparentButton;

class THtml_SmallForm : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{730, 727};
    static constexpr QRect kViewerArea{2, 43, 726, 682};
    // Label1, by which the window is dragged, along the top left of the print button.
    static constexpr QRect kDragArea{0, 0, 600, 43};
    static constexpr QPoint kPrintAt{612, 0};
    static constexpr QPoint kExitAt{699, 9};
    static constexpr const char* kBackgroundPicture = "gfx_r\\reading.bmp";

    // state gives the course root, the language folder and the texts; buttons is the
    // shared button list; messages shows the notice after printing. All outlive it.
    THtml_SmallForm(const CourseState& state, const TMyImageList& buttons, TForm20& messages,
                    QWidget* parent = nullptr);

    // Loads file (a full course path, optionally "#anchor") and the background picture
    // (a full course path; "" for gfx_r\reading.bmp of the language folder), centres
    // the window and shows it modally until it is closed.
    void reading_open(const std::string& file, const std::string& background = {});

    HtmlViewer& viewer() { return *m_viewer; }
    TTransparentButton& printButton() { return *m_print; }
    TTransparentButton& exitButton() { return *m_exit; }
    const QImage& background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void btn_printClick();

    const CourseState& m_state;
    TForm20& m_messages;
    HtmlViewer* m_viewer = nullptr;
    TTransparentButton* m_print = nullptr;
    TTransparentButton* m_exit = nullptr;
    DragStrip* m_drag = nullptr;
    QImage m_background;
};

} // namespace vimo
