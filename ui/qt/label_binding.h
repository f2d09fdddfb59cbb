// QLabel <-> ui::Label: caption and enabling shown at once. A press on a label is the
// label's own and does not reach the form below it.
#pragma once

#include "ui/label.h"
#include "ui/qt/widget_binding.h"

class QLabel;

namespace ui::qt {

class LabelBinding : public WidgetBinding {
public:
    LabelBinding(ui::Label& model, QLabel& view, FormBinding& form);
    void refresh() override;

protected:
    void show(Property property) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Label& label_;
    QLabel& text_;
};

}  // namespace ui::qt
