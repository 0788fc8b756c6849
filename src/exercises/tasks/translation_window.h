#pragma once
// TTekstTlumaczForm: the translation window, a small movable window over the typing
// screen that shows the translation of its text as an HTML page. It is shown modally
// and changes nothing of the screen that opened it.

#include "controls/MyImageList.h"
#include "core/course_state.h"

#include <QDialog>
#include <QImage>
#include <string>

namespace vimo {

class DragStrip;
class HtmlViewer;
class TTransparentButton;

class TTekstTlumaczForm : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{540, 600};
    static constexpr QRect kViewerArea{16, 51, 509, 536};
    static constexpr QPoint kExitAt{513, 2};
    // Label1, the invisible grip by which the window is dragged.
    static constexpr QRect kGripArea{0, 0, 221, 35};
    static constexpr const char* kBackgroundPicture = "gfx_r\\tlumaczenie.bmp";

    // state gives the course root, the language folder and the window caption; buttons
    // is the shared button list. Both outlive the window.
    TTekstTlumaczForm(const CourseState& state, const TMyImageList& buttons,
                      QWidget* parent = nullptr);

    // Shows the page "Wpisywania\" + file_name under the course root, centred and
    // modally, until the learner closes the window. A file that cannot be read is
    // named in a plain message instead, and the window stays closed.
    void open_translation(const std::string& file_name);

    HtmlViewer& viewer();
    TTransparentButton& exitButton() { return *m_exit; }
    QWidget& grip();
    const QImage& background() const { return m_background; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    // Loads the page; false when its file cannot be read.
    bool load_page(const std::string& path);

    const CourseState& m_state;
    class PageViewer;
    PageViewer* m_viewer = nullptr;
    TTransparentButton* m_exit = nullptr;
    DragStrip* m_grip = nullptr;
    QImage m_background;
};

} // namespace vimo
