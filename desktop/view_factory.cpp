// Choice of a form's view.
#include "desktop/view_factory.h"

#include "desktop/control_view.h"
#include "desktop/generic_view.h"
#include "desktop/selection_view.h"

namespace desktop {

std::unique_ptr<FormView> makeView(ui::Form& form, QWidget* parent) {
    if (form.find("Cbo_Trimestre") && form.find("Txt_CtrUrssaf")) return std::make_unique<ControlView>(form, parent);
    if (SelectionView::fits(form)) return std::make_unique<SelectionView>(form, parent);
    return std::make_unique<GenericView>(form, parent);
}

}  // namespace desktop
