#pragma once
// For widget tests of modal windows: exec() does not return until the window
// closes, so what the learner does in it is queued before the window opens.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace vimo::test {

// Runs action on the modal window as soon as it is shown.
inline void when_modal_shown(std::function<void(QWidget&)> action) {
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr) << "no modal window is shown";
        action(*modal);
    });
}

} // namespace vimo::test
