#pragma once
// TPodkladForm: a black, frameless, disabled window over the whole desktop, behind
// the main window.

#include <QWidget>

namespace vimo {

class TPodkladForm : public QWidget {
    Q_OBJECT
public:
    TPodkladForm();
    void show_over_desktop();
};

} // namespace vimo
