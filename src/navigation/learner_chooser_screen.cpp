#include "navigation/learner_chooser_screen.h"

#include "controls/TransparentButton.h"
#include "controls/button_pictures.h"
#include "controls/drag_strip.h"
#include "controls/window_caption.h"
#include "controls/window_placement.h"
#include "core/paths.h"
#include "core/qt_text.h"
#include "navigation/new_learner_screen.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vimo {

namespace {

constexpr QRect kListArea{40, 100, 380, 30};
constexpr QPoint kNewLearnerPosition{40, 150};
constexpr QPoint kClosePosition{170, 240};
constexpr QPoint kOkPosition{300, 240};
constexpr QPoint kHelpPosition{10, 265};
constexpr int kHelpText = 1;
constexpr const char* kHelpPage = "Htm_r\\h_log.html";

} // namespace

TForm9::TForm9(const CourseState& state, const LearnerList& learners, const TMyImageList& buttons,
               TForm10& new_learner, HelpLinks& help, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_state(state), m_learners(learners),
      m_new_learner(new_learner), m_help(help) {
    setObjectName("TForm9");
    setModal(true);
    setFixedSize(kSize);
    new DragStrip(this, QRect(0, 0, kSize.width(), kCaptionStripHeight));

    m_list = new QComboBox(this);
    m_list->setObjectName("ComboBox1");
    m_list->setGeometry(kListArea);
    QFont font("Verdana");
    font.setPixelSize(14);
    m_list->setFont(font);
    m_list->setCursor(Qt::PointingHandCursor);
    m_list->installEventFilter(this);
    m_list->view()->viewport()->installEventFilter(this);
    connect(m_list, &QComboBox::currentIndexChanged, this, &TForm9::update_ok);

    m_new = make_picture_button(this, buttons, button_picture::new_learner, kNewLearnerPosition,
                                "L_powtorki");
    m_close =
        make_picture_button(this, buttons, button_picture::close, kClosePosition, "B_Zamknij");
    m_ok = make_picture_button(this, buttons, button_picture::ok, kOkPosition, "B_OK");
    m_help_button =
        make_picture_button(this, buttons, button_picture::help, kHelpPosition, "btn_help");
    connect(m_new, &TTransparentButton::clicked, this, &TForm9::add_new_learner);
    connect(m_close, &TTransparentButton::clicked, this, &QDialog::reject);
    connect(m_ok, &TTransparentButton::clicked, this, &TForm9::confirm);
    connect(m_help_button, &TTransparentButton::clicked, this, [this] {
        UniString key = m_state.texts.text(kHelpText);
        uni_insert(uni_widen("HH_"), key, 1);
        m_help.show_help_text(key);
    });
}

TForm9::Outcome TForm9::run() {
    setWindowTitle(cp1250_to_qstring(m_state.config.window_caption));
    load_picture();
    refill();
    center_on_screen(*this);
    m_outcome = Outcome::terminate;
    exec();
    return m_outcome;
}

void TForm9::load_picture() {
    // A missing picture leaves the window plain rather than keeping the learner out.
    m_background = QImage(
        QString::fromStdString(resolve_path(m_state.config.language_path("gfx_r\\logowanie.bmp"))));
    update();
}

void TForm9::refill() {
    m_list->clear();
    for (const Learner& learner : m_learners.learners()) {
        m_list->addItem(QString::fromStdString(learner.name));
    }
    m_list->setCurrentIndex(m_list->count() - 1);
    update_ok();
}

void TForm9::update_ok() {
    m_ok->setVisible(!m_list->currentText().trimmed().isEmpty());
}

void TForm9::confirm() {
    if (m_ok->isHidden()) return;
    if (!m_choose || !m_choose(m_list->currentIndex())) return;
    m_outcome = Outcome::chosen;
    accept();
}

void TForm9::add_new_learner() {
    const bool chosen = m_new_learner.run();
    // Adding a learner may have changed the interface language.
    load_picture();
    refill();
    if (!chosen) return;
    m_outcome = Outcome::chosen;
    accept();
}

void TForm9::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paint_picture_window(painter, *this, m_background);
}

void TForm9::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        reject();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        confirm();
        return;
    case Qt::Key_F1:
        m_help.open_help_page(kHelpPage);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

// A double click on a name, in the closed list or in its open drop-down, chooses it.
bool TForm9::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return QDialog::eventFilter(watched, event);
    if (watched == m_list->view()->viewport()) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QModelIndex index = m_list->view()->indexAt(mouse->position().toPoint());
        if (!index.isValid()) return true;
        m_list->setCurrentIndex(index.row());
        m_list->hidePopup();
    } else if (watched != m_list) {
        return QDialog::eventFilter(watched, event);
    }
    confirm();
    return true;
}

} // namespace vimo
