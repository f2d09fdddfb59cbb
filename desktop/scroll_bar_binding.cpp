// A vertical scroll bar shown in a QScrollBar.
#include "desktop/scroll_bar_binding.h"

#include <QScrollBar>

#include <algorithm>

#include "desktop/form_binding.h"
#include "desktop/guarded.h"

namespace desktop {

ScrollBarBinding::ScrollBarBinding(ui::VScrollBar& model, QScrollBar& view, FormBinding& form)
    : WidgetBinding(model, view, form), bar_(model), scroll_(view) {
    scroll_.setOrientation(Qt::Vertical);
    scroll_.setFocusPolicy(Qt::ClickFocus);
    connect(&scroll_, &QAbstractSlider::actionTriggered, this, [this](int a) { action(a); });
}

void ScrollBarBinding::refresh() {
    WidgetBinding::refresh();
    showRange();
}

void ScrollBarBinding::action(int a) {
    if (updating_) return;
    // Qt has moved its slider already; the model decides where it ends.
    if (form_.focusForClick(bar_)) {
        guarded([&] {
            switch (a) {
            case QAbstractSlider::SliderSingleStepAdd: bar_.arrow(scroll_.invertedAppearance() ? -1 : 1); break;
            case QAbstractSlider::SliderSingleStepSub: bar_.arrow(scroll_.invertedAppearance() ? 1 : -1); break;
            case QAbstractSlider::SliderPageStepAdd: bar_.page(scroll_.invertedAppearance() ? -1 : 1); break;
            case QAbstractSlider::SliderPageStepSub: bar_.page(scroll_.invertedAppearance() ? 1 : -1); break;
            case QAbstractSlider::SliderToMinimum: bar_.drag(bar_.min()); break;
            case QAbstractSlider::SliderToMaximum: bar_.drag(bar_.max()); break;
            case QAbstractSlider::SliderMove: bar_.drag(scroll_.sliderPosition()); break;
            default: break;
            }
        });
    }
    Updating u(updating_);
    scroll_.setSliderPosition(bar_.value());
}

void ScrollBarBinding::showRange() {
    {
        Updating u(updating_);
        scroll_.setInvertedAppearance(bar_.min() > bar_.max());
        scroll_.setRange(std::min(bar_.min(), bar_.max()), std::max(bar_.min(), bar_.max()));
        scroll_.setSingleStep(std::max(1, bar_.smallChange()));
        scroll_.setPageStep(std::max(1, bar_.largeChange()));
    }
    showValue();
}

void ScrollBarBinding::showValue() {
    Updating u(updating_);
    if (scroll_.value() != bar_.value()) scroll_.setValue(bar_.value());
}

void ScrollBarBinding::show(ui::Property property) {
    if (property == ui::Property::Value) {
        showValue();
    } else if (property == ui::Property::Min || property == ui::Property::Max || property == ui::Property::SmallChange || property == ui::Property::LargeChange) {
        showRange();
    } else {
        WidgetBinding::show(property);
    }
}

}  // namespace desktop
