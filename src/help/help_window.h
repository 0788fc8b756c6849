#pragma once
// THelpForm: the help window. F1 opens it on a page of the course's help set (an
// anchor scrolls the page); it has its own back, contents and print buttons in a
// strip on the right and keeps a page depth for its back button. While it is shown
// the multimedia window is hidden, and it comes back when help closes.

#include "controls/MyImageList.h"
#include "core/course_state.h"
#include "core/help_links.h"
#include "help/help_navigation.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

namespace vimo {

class HtmlViewer;
class TForm20;
class TTransparentButton;

class THelpForm : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kSize{1024, 768};
    // FrameViewer1; the side strip gfx_r\pod_pasek_help.bmp (100 wide) lies under the
    // buttons on the right.
    static constexpr QRect kViewerArea{0, 0, 925, 769};
    static constexpr QPoint kStripAt{924, 0};
    static constexpr QPoint kExitAt{989, 10};
    static constexpr QPoint kBackAt{936, 110};
    static constexpr QPoint kContentsAt{979, 110};
    static constexpr QPoint kPrintAt{934, 170};
    static constexpr const char* kStripPicture = "gfx_r\\pod_pasek_help.bmp";

    // state gives the course root, the interface language and texts; buttons is the
    // shared button list; messages shows the notice after printing. All outlive it.
    THelpForm(const CourseState& state, const TMyImageList& buttons, TForm20& messages,
              QWidget* parent = nullptr);

    // The multimedia window around help: hide_media hides it and says whether it was
    // open; show_media brings it back. Either may be empty.
    void setMediaWindowHooks(std::function<bool()> hide_media, std::function<void()> show_media);

    // F1: shows the window and opens course root + page (relative, "\" separated,
    // optionally "#anchor"); an empty page only shows the window.
    void open_help_page(const std::string& page);
    // Opens page (a full path, optionally "#anchor") as the first page of a new visit:
    // the history starts again and the depth is 1.
    void help_open(const std::string& page);

    int depth() const { return m_depth.depth(); }
    HtmlViewer& viewer() { return *m_viewer; }
    TTransparentButton& backButton() { return *m_back; }
    TTransparentButton& contentsButton() { return *m_contents; }
    TTransparentButton& printButton() { return *m_print; }
    TTransparentButton& exitButton() { return *m_exit; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void show_window();
    void update_buttons();
    void link_clicked(const QString& href);
    void btn_backClick();
    void Button2Click();
    void btn_spisClick();

    const CourseState& m_state;
    TForm20& m_messages;
    HtmlViewer* m_viewer = nullptr;
    TTransparentButton* m_back = nullptr;
    TTransparentButton* m_print = nullptr;
    TTransparentButton* m_contents = nullptr;
    TTransparentButton* m_exit = nullptr;
    QImage m_strip;
    HelpDepth m_depth;
    std::function<bool()> m_hide_media;
    std::function<void()> m_show_media;
    bool m_media_was_open = false;
};

// The program's HelpLinks: pages open in the help window, help texts go to
// show_help_text (the information window's, wired by the program; may be empty).
class HelpWindowLinks final : public HelpLinks {
public:
    HelpWindowLinks(THelpForm& window, std::function<void(const UniString&)> show_help_text)
        : m_window(window), m_show_help_text(std::move(show_help_text)) {}

    void open_help_page(const std::string& page) override { m_window.open_help_page(page); }
    void show_help_text(const UniString& key) override {
        if (m_show_help_text) m_show_help_text(key);
    }

private:
    THelpForm& m_window;
    std::function<void(const UniString&)> m_show_help_text;
};

} // namespace vimo
