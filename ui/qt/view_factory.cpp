// Choice of a form's view.
#include "ui/qt/view_factory.h"

#include "ui/qt/control_view.h"
#include "ui/qt/generic_view.h"
#include "ui/qt/selection_view.h"

namespace ui::qt {

std::unique_ptr<FormView> makeView(ui::Form& form, QWidget* parent) {
    if (form.find("Cbo_Trimestre") && form.find("Txt_CtrUrssaf")) return std::make_unique<ControlView>(form, parent);
    if (SelectionView::fits(form)) return std::make_unique<SelectionView>(form, parent);
    return std::make_unique<GenericView>(form, parent);
}

}  // namespace ui::qt
