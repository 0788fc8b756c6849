#pragma once
// A right click on a label looks the word under the pointer up: the screens that show
// course words hand them to the dictionary's small window this way.

#include "core/uni.h"

#include <QObject>
#include <functional>

namespace vimo {

class TUniLabel;

// Watches the labels it is installed on: a right press over a word of a TUniLabel's
// caption calls look_up with it and is consumed; other buttons stay the label's.
class LabelLookUp final : public QObject {
public:
    LabelLookUp(QObject* parent, std::function<void(const UniString&)> look_up)
        : QObject(parent), m_look_up(std::move(look_up)) {}

    void watch(TUniLabel& label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const UniString&)> m_look_up;
};

} // namespace vimo
