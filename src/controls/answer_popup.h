#pragma once
// TForm6: the small window that shows the learner's answer; it closes on its button,
// Escape, Enter or when it loses the focus.
#include "controls/MyImageList.h"
#include "core/config.h"
#include "core/uni.h"

#include <QDialog>
#include <QImage>
#include <QString>

namespace vimo {

class TTransparentButton;
class TUniLabel;

class TForm6 : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{500, 150};

    // ok_picture: btn_ok's picture number in buttons.
    TForm6(const Config& config, const TMyImageList* buttons, int ok_picture,
           QWidget* parent = nullptr);

    // Reloads gfx_r\twoja_odp_2.bmp of the current language folder.
    void load_language_resources();
    // Shows the answer (not modal: it closes itself when the focus goes elsewhere).
    void show_answer(const UniString& answer);

    TUniLabel& answerLabel() { return *m_answer; }
    TTransparentButton& okButton() { return *m_ok; }

signals:
    // F1: the help window should open on this page.
    void helpRequested(const QString& page);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    const Config& m_config;
    QImage m_background;
    TUniLabel* m_answer = nullptr;
    TTransparentButton* m_ok = nullptr;
};

} // namespace vimo
