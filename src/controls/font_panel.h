#pragma once
// TFcsFontPanel: a row of buttons for the letters of the course language that a
// Polish keyboard lacks; a click types the letter into the panel's edit box.
#include "controls/font_panel_letters.h"

#include <QImage>
#include <QWidget>
#include <vector>

class QPushButton;

namespace vimo {

class TFcsFontPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMaxLetters = 33;

    explicit TFcsFontPanel(QWidget* parent = nullptr);

    void setJezyk(FontPanelLanguage language);
    FontPanelLanguage jezyk() const { return m_language; }
    // Where the letters go; the panel does not own it.
    void setObiektEdit(QWidget* edit) { m_edit = edit; }
    void setTlo(const QImage& background);
    // The code page of the edit box's letters: 1251 for Russian, else 1252. Qt
    // fonts cover every script, so this is only told to callers that convert text.
    int codePage() const { return m_code_page; }
    // The letter buttons, shown or not.
    const std::vector<QPushButton*>& letterButtons() const { return m_buttons; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void type_letter(const QString& letter);

    FontPanelLanguage m_language = FontPanelLanguage::Polski;
    QWidget* m_edit = nullptr;
    QImage m_background;
    int m_code_page = 1252;
    std::vector<QPushButton*> m_buttons;
};

} // namespace vimo
