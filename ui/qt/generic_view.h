// A plain view for a form no dedicated view knows: its widgets top to bottom in tab
// order, the widgets of each frame inside the frame.
#pragma once

#include "ui/qt/form_view.h"

namespace ui::qt {

class GenericView : public FormView {
public:
    explicit GenericView(ui::Form& form, QWidget* parent = nullptr);
};

}  // namespace ui::qt
