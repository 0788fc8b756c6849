#pragma once
// TForm20: the modal message window that shows a notice (an interface text) over
// the language's info picture, closed by its close button, Escape or Enter.
#include "controls/MyImageList.h"
#include "core/config.h"
#include "core/uni.h"

#include <QDialog>
#include <QImage>

namespace vimo {

class TTransparentButton;
class TUniLabel;

class TForm20 : public QDialog {
    Q_OBJECT
public:
    static constexpr QSize kSize{440, 120};

    // close_picture: the close button's picture number in buttons.
    TForm20(const Config& config, const TMyImageList* buttons, int close_picture,
            QWidget* parent = nullptr);

    // Reloads gfx_r\info.bmp of the current language folder and the title.
    void load_language_resources();
    // Puts the message into Label1 and shows the window modally.
    int show_message(const UniString& text);

    TUniLabel& label() { return *m_label; }
    TTransparentButton& closeButton() { return *m_close; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    const Config& m_config;
    QImage m_background;
    TUniLabel* m_label = nullptr;
    TTransparentButton* m_close = nullptr;
};

} // namespace vimo
