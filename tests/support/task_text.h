#pragma once
// Task content as the tests write it and read it back: lines in UTF-8 made into the
// UTF-16 bytes the loaders give, and a label dragged with the mouse on a task screen.

#include "core/qt_text.h"
#include "core/uni.h"

#include <QPoint>
#include <QTest>
#include <QWidget>
#include <string>

namespace vimo::test {

// A content line as read from a task file: UTF-16 with the line's closing U+0000.
inline UniString read_line(const std::string& utf8_text) {
    return qstring_to_uni(QString::fromStdString(utf8_text)) + std::string(2, '\0');
}

// UTF-16 text as UTF-8, to compare with a literal.
inline std::string utf8(const UniString& text) {
    return uni_to_qstring(text).toStdString();
}

// Presses on label, moves halfway and then to `to` (in area's coordinates) with the
// button held, and lets go there.
inline void drag_label(QWidget& area, QWidget& label, QPoint to) {
    QTest::mousePress(&label, Qt::LeftButton, {}, label.rect().center());
    QTest::mouseMove(&label, label.mapFrom(&area, (label.geometry().center() + to) / 2));
    QTest::mouseMove(&label, label.mapFrom(&area, to));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, label.mapFrom(&area, to));
}

} // namespace vimo::test
