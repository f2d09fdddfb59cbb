// QLabel <-> ui::Label: caption and enabling shown at once. A press on a label is the
// label's own and does not reach the form below it.
#pragma once

#include "ui/label.h"
#include "desktop/widget_binding.h"

class QLabel;

namespace desktop {

class LabelBinding : public WidgetBinding {
public:
    LabelBinding(ui::Label& model, QLabel& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Label& label_;
    QLabel& text_;
};

}  // namespace desktop
