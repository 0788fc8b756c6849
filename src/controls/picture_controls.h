#pragma once
// Standard labels and pictures that report the mouse entering and leaving them, and
// the picture check box.
#include <QImage>
#include <QLabel>
#include <QWidget>

namespace vimo {

// TMLabel: a label with mouseEntered and mouseLeft.
class TMLabel : public QLabel {
    Q_OBJECT
public:
    explicit TMLabel(QWidget* parent = nullptr) : QLabel(parent) {}

signals:
    void mouseEntered();
    void mouseLeft();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

// TMImage: a picture with clicked, mouseEntered and mouseLeft.
class TMImage : public QWidget {
    Q_OBJECT
public:
    explicit TMImage(QWidget* parent = nullptr) : QWidget(parent) {}

    // Shows the picture and takes its size.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return m_picture; }

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

private:
    QImage m_picture;
    bool m_left_down = false;
};

// TFreshOnMouseImage: the dialogue screen's per-line switch picture.
class TFreshOnMouseImage : public TMImage {
    Q_OBJECT
public:
    using TMImage::TMImage;
};

// TFOM_Cb: a check box drawn as one of two pictures. Screens toggle Aktywny in their
// click handlers; a double click counts as a second click (QWidget hands the
// second press of a double click to mousePressEvent).
class TFOM_Cb : public TMImage {
    Q_OBJECT
public:
    using TMImage::TMImage;

    void setAktywny(bool checked);
    bool aktywny() const { return m_checked; }
    void setRysunek(const QImage& picture);
    void setRysunekChecked(const QImage& picture);
    // Kept for the screens that set it; never drawn.
    void setRysunekOm(const QImage& picture) { m_over = picture; }
    const QImage& rysunekOm() const { return m_over; }

private:
    void show_state();

    bool m_checked = false;
    QImage m_unchecked;
    QImage m_checked_picture;
    QImage m_over;
};

} // namespace vimo
