#pragma once
// TTransparentButton: a picture button that draws one frame of a strip of an image
// list (normal, highlighted, pressed) and is transparent around it.
#include "controls/MyImageList.h"
#include "controls/button_state.h"

#include <QWidget>

namespace vimo {

class TTransparentButton : public QWidget {
    Q_OBJECT
public:
    explicit TTransparentButton(QWidget* parent = nullptr);

    void setImageList(const TMyImageList* list);
    void setBitmapNormal(int index);
    void setStan(int state);
    void setStyle(unsigned style);
    void setHideNormal(bool hide);

    const TMyImageList* imageList() const { return m_list; }
    int bitmapNormal() const { return m_bitmap; }
    int stan() const { return m_state; }
    unsigned style() const { return m_style; }
    bool hideNormal() const { return m_hide_normal; }

signals:
    void clicked();
    void mouseEntered();
    void mouseLeft();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The shared list is reloaded while the screens are hidden (a language change),
    // so a button fits itself to its strip again whenever it is shown.
    void showEvent(QShowEvent* event) override;

private:
    // Size (and with tbs_DefPos the position) follow the strip.
    void fit_to_strip();

    const TMyImageList* m_list = nullptr;
    int m_bitmap = 0;
    int m_state = kStateNormal;
    unsigned m_style = tbs_Highlighted;
    bool m_hide_normal = false;
    bool m_left_down = false;
};

// A button of the screens: picture number picture of list at position, named as the
// screen's design names it, with the hand cursor every clickable control has.
TTransparentButton* make_picture_button(QWidget* parent, const TMyImageList& list, int picture,
                                        QPoint position, const char* name);

} // namespace vimo
