#pragma once
// TMyHint: the program's hint window. Hint texts are UTF-16 byte strings; words
// between "<B>" and "</B>" are painted bold and red.
#include "controls/hint_layout.h"
#include "core/uni.h"

#include <QObject>
#include <QWidget>
#include <memory>

class QApplication;
class QHelpEvent;

namespace vimo {

class TMyHint : public QWidget {
    Q_OBJECT
public:
    explicit TMyHint(QWidget* parent = nullptr);

    // Lays the text out and shows the hint over rect, widened to the words.
    void showHint(const QRect& rect, const UniString& text);
    const HintLayout& layout() const { return m_layout; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont word_font(bool bold) const;

    HintLayout m_layout;
};

// Routes the tool-tip events of every widget of the application to one TMyHint
// (owned by the returned filter, a child of the application); a widget's toolTip()
// is its hint text.
class MyHintFilter : public QObject {
    Q_OBJECT
public:
    explicit MyHintFilter(QObject* parent);
    TMyHint& hint() { return *m_hint; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool show_for(QWidget* widget, const QHelpEvent& event);

    // A top-level window, so it cannot have a widget parent.
    std::unique_ptr<TMyHint> m_hint;
};

MyHintFilter* install_my_hint(QApplication& application);

} // namespace vimo
