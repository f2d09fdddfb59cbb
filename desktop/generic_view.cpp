// Layout of a form without a dedicated view.
#include "desktop/generic_view.h"

#include <QBoxLayout>
#include <QGroupBox>

#include <map>

#include "ui/frame.h"

namespace desktop {

GenericView::GenericView(ui::Form& form, QWidget* parent) : FormView(form, parent) {
    auto* top = new QVBoxLayout(this);
    std::map<const ui::Frame*, QVBoxLayout*> frames;
    for (ui::Widget* w : form.tabOrder()) {
        QWidget* view = binding().viewOf(w);
        if (!view) continue;
        QBoxLayout* into = top;
        if (w->container()) {
            auto it = frames.find(w->container());
            if (it != frames.end()) into = it->second;
        }
        into->addWidget(view);
        if (auto* frame = dynamic_cast<const ui::Frame*>(w)) {
            if (auto* box = qobject_cast<QGroupBox*>(view)) frames[frame] = new QVBoxLayout(box);
        }
    }
    top->addStretch(1);
}

}  // namespace desktop
