// QGroupBox <-> ui::Frame: caption and enabling shown at once; a mouse press on the
// frame's background given to the model's MouseDown (and kept from the form's).
#pragma once

#include "ui/frame.h"
#include "desktop/widget_binding.h"

class QGroupBox;

namespace desktop {

class FrameBinding : public WidgetBinding {
public:
    FrameBinding(ui::Frame& model, QGroupBox& view, FormBinding& form);
    void refresh() override;

protected:
    void show(ui::Property property) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ui::Frame& frame_;
    QGroupBox& box_;
};

}  // namespace desktop
