// The individual selection window: the code and name boxes with the search button, the
// block of possible aidés (code, name, address lists side by side with their scroll bar),
// the add and remove arrows, the block of selected aidés, then Imprimer and Retour.
#pragma once

#include "desktop/form_view.h"

namespace desktop {

class SelectionView : public FormView {
public:
    explicit SelectionView(ui::Form& form, QWidget* parent = nullptr);

    // The form this view lays out (it has the window's widgets).
    static bool fits(const ui::Form& form);
};

}  // namespace desktop
