// The view that lays out a form: the selection screen, the individual selection window,
// or a plain view for any other form.
#pragma once

#include <memory>

#include "desktop/form_view.h"

namespace desktop {

std::unique_ptr<FormView> makeView(ui::Form& form, QWidget* parent = nullptr);

}  // namespace desktop
