// A plain view for a form no dedicated view knows: its widgets top to bottom in tab
// order, the widgets of each frame inside the frame.
#pragma once

#include "desktop/form_view.h"

namespace desktop {

class GenericView : public FormView {
public:
    explicit GenericView(ui::Form& form, QWidget* parent = nullptr);
};

}  // namespace desktop
