// QGroupBox <-> ui::Frame: caption and enabling shown at once; a mouse press on the
// frame's background given to the model's MouseDown (and kept from the form's).
#pragma once

#include "ui/frame.h"
#include "ui/qt/widget_binding.h"

class QGroupBox;

namespace ui::qt {

class FrameBinding : public WidgetBinding {
public:
    FrameBinding(ui::Frame& model, QGroupBox& view, FormBinding& form);
    void refresh() override;

protected:
    void show(Property property) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Frame& frame_;
    QGroupBox& box_;
};

}  // namespace ui::qt
