// The selection screen of the declaration control: its widgets in the screen's order,
// quarter and centre at the top, the name range, the individual selection box, the sort
// and payment-mode frames, the return date and the OK and Sortir buttons.
#pragma once

#include "desktop/form_view.h"

namespace desktop {

class ControlView : public FormView {
public:
    explicit ControlView(ui::Form& surface, QWidget* parent = nullptr);
};

}  // namespace desktop
