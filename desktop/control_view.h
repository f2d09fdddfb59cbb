// The selection screen of the declaration control: its widgets in the screen's order,
// quarter and centre at the top, the name range, the individual selection box, the sort
// and payment-mode frames, the return date and the OK and Sortir buttons.
#pragma once

#include <QLabel>

#include "desktop/form_view.h"

namespace desktop {

class ControlView : public FormView {
public:
    explicit ControlView(ui::Form& surface, QWidget* parent = nullptr);

    // A line beside the buttons that says why something is missing (no OK button without
    // full rights).
    void showNotice(const QString& text);
    QLabel* notice() const { return notice_; }

private:
    QLabel* notice_;
};

}  // namespace desktop
