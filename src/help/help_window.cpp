#include "help/help_window.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/message_window.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "html/html_viewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr int kHintBack = 53;
constexpr int kHintPrint = 54;
constexpr int kHintContents = 55;
constexpr int kTextPrinted = 128;
constexpr double kPrintMarginCm = 2.0;

TTransparentButton* make_button(QWidget* parent, const TMyImageList& buttons, int picture,
                                QPoint at, const char* name) {
    auto* button = new TTransparentButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setImageList(&buttons);
    button->setBitmapNormal(picture);
    button->move(at);
    return button;
}

// Text n of the interface texts, or fallback while the texts lack it.
QString hint_text(const InterfaceTexts& texts, int n, const QString& fallback) {
    const QString text = uni_to_qstring(texts.text(n));
    return text.isEmpty() ? fallback : text;
}

} // namespace

THelpForm::THelpForm(const CourseState& state, const TMyImageList& buttons, TForm20& messages,
                     QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_state(state), m_messages(messages),
      m_viewer(new HtmlViewer(this)) {
    setObjectName("THelpForm");
    setFixedSize(kSize);
    m_viewer->setObjectName("FrameViewer1");
    m_viewer->setGeometry(kViewerArea);
    m_viewer->setBackgroundColour(Qt::white);
    m_viewer->setDefaultFont(QFont(QStringLiteral("Verdana")));
    m_viewer->setTextSelection(false);
    // Links are followed here, so that only a link that led somewhere counts as a step.
    m_viewer->setFollowLinks(false);

    namespace bp = button_picture;
    m_back = make_button(this, buttons, bp::help_back, kBackAt, "btn_back");
    m_print = make_button(this, buttons, bp::print, kPrintAt, "Button2");
    m_contents = make_button(this, buttons, bp::help_contents, kContentsAt, "btn_spis");
    m_exit = make_button(this, buttons, bp::exit, kExitAt, "btn_exit");
    m_back->setToolTip(QStringLiteral("Powrót"));
    m_print->setToolTip(QStringLiteral("Drukuj"));
    m_contents->setToolTip(QStringLiteral("Spis treści"));

    connect(m_back, &TTransparentButton::clicked, this, &THelpForm::btn_backClick);
    connect(m_print, &TTransparentButton::clicked, this, &THelpForm::Button2Click);
    connect(m_contents, &TTransparentButton::clicked, this, &THelpForm::btn_spisClick);
    connect(m_exit, &TTransparentButton::clicked, this, &QWidget::close);
    connect(m_viewer, &HtmlViewer::linkClicked, this, &THelpForm::link_clicked);
    connect(m_viewer, &HtmlViewer::pageHistoryChanged, this, &THelpForm::update_buttons);
}

void THelpForm::setMediaWindowHooks(std::function<bool()> hide_media,
                                    std::function<void()> show_media) {
    m_hide_media = std::move(hide_media);
    m_show_media = std::move(show_media);
}

void THelpForm::open_help_page(const std::string& page) {
    show_window();
    if (!page.empty()) help_open(m_state.config.course_root + page);
}

void THelpForm::show_window() {
    if (!isVisible()) {
        // F1 also comes from modal windows (new learner, options, answer popup): over
        // one of them the help window must be modal too, or it would take no input.
        const QWidget* modal = QApplication::activeModalWidget();
        setWindowModality(modal != nullptr ? Qt::ApplicationModal : Qt::NonModal);
        center_on_screen(*this);
    }
    show();
    raise();
    activateWindow();
}

void THelpForm::help_open(const std::string& page) {
    m_viewer->setCourseRoot(m_state.config.course_root);
    m_viewer->clearPageHistory();
    m_depth.reset();
    m_viewer->loadFile(page);
    update_buttons();
}

void THelpForm::update_buttons() {
    m_back->setVisible(m_depth.back_visible());
    m_contents->setVisible(contents_visible(m_viewer->currentFile()));
}

void THelpForm::link_clicked(const QString& href) {
    if (!m_viewer->followLink(href)) return;
    m_depth.forward();
    update_buttons();
}

void THelpForm::btn_backClick() {
    if (!m_depth.back()) return;
    m_viewer->setHistoryPosition(m_viewer->historyPosition() - 1);
    update_buttons();
}

void THelpForm::Button2Click() {
    // A cancelled print dialog printed nothing, so there is nothing to report.
    if (!m_viewer->printPages(1, 999, kPrintMarginCm, kPrintMarginCm)) return;
    m_messages.show_message(m_state.texts.text(kTextPrinted));
}

void THelpForm::btn_spisClick() {
    m_depth.forward();
    const auto page = contents_page(m_state.config.course_root, m_state.config.language_number);
    if (page) m_viewer->loadFile(*page);
    update_buttons();
}

void THelpForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (!m_strip.isNull()) painter.drawImage(kStripAt, m_strip);
}

void THelpForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (event->spontaneous()) return;
    m_media_was_open = m_hide_media ? m_hide_media() : false;
    const InterfaceTexts& texts = m_state.texts;
    m_back->setToolTip(hint_text(texts, kHintBack, QStringLiteral("Powrót")));
    m_print->setToolTip(hint_text(texts, kHintPrint, QStringLiteral("Drukuj")));
    m_contents->setToolTip(hint_text(texts, kHintContents, QStringLiteral("Spis treści")));
    // From the course root: the strip is the same in every interface language.
    const std::string strip = resolve_path(m_state.config.course_path(kStripPicture));
    m_strip = QImage(QString::fromStdString(strip));
    m_back->hide();
}

void THelpForm::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (event->spontaneous()) return;
    m_strip = QImage();
    if (m_media_was_open && m_show_media) m_show_media();
    m_media_was_open = false;
}

void THelpForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace vimo
