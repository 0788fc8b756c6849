#include "controls/font_panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace vimo {

namespace {

constexpr int kLetterHeight = 20;

QFont letter_font() {
    QFont font("Arial");
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

} // namespace

TFcsFontPanel::TFcsFontPanel(QWidget* parent) : QWidget(parent) {
    for (int n = 1; n <= kMaxLetters; ++n) {
        auto* button = new QPushButton(this);
        button->setFont(letter_font());
        button->setGeometry(letter_left(n), kLetterTop, kLetterWidth, kLetterHeight);
        button->setCursor(Qt::PointingHandCursor);
        button->setFocusPolicy(Qt::NoFocus); // the edit box keeps the focus
        button->hide();
        connect(button, &QPushButton::clicked, this,
                [this, button] { type_letter(button->text()); });
        m_buttons.push_back(button);
    }
}

void TFcsFontPanel::setJezyk(FontPanelLanguage language) {
    m_language = language;
    const FontPanelLetters layout = font_panel_letters(language);
    if (layout.width) resize(*layout.width, height());
    if (layout.height) resize(width(), *layout.height);
    m_code_page = layout.code_page;
    for (std::size_t i = 0; i < m_buttons.size(); ++i) {
        const bool shown = i < layout.letters.size();
        if (shown) m_buttons[i]->setText(QString(QChar(layout.letters[i].character)));
        m_buttons[i]->setVisible(shown);
    }
}

void TFcsFontPanel::setTlo(const QImage& background) {
    m_background = background;
    update();
}

void TFcsFontPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_background);
}

// As if typed: a key press carrying the letter, which the edit box inserts.
void TFcsFontPanel::type_letter(const QString& letter) {
    if (m_edit == nullptr) return;
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, letter);
    QApplication::sendEvent(m_edit, &press);
    QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, letter);
    QApplication::sendEvent(m_edit, &release);
}

} // namespace vimo
