// QScrollBar <-> ui::VScrollBar: range, value and steps shown at once; the arrows, the
// track and the thumb given to the model (Change, Scroll), whose value stands.
#pragma once

#include "desktop/widget_binding.h"
#include "ui/scroll_bar.h"

class QScrollBar;

namespace desktop {

class ScrollBarBinding : public WidgetBinding {
public:
    ScrollBarBinding(ui::VScrollBar& model, QScrollBar& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;

private:
    void showRange();
    void showValue();
    void action(int action);

    ui::VScrollBar& bar_;
    QScrollBar& scroll_;
};

}  // namespace desktop
