// A vertical scroll bar: Min, Max, a Value kept between them, the steps of the arrows
// and of the track, and the Change and Scroll events.
#pragma once

#include <functional>
#include <string>

#include "ui/widget.h"

namespace ui {

class VScrollBar : public Widget {
public:
    explicit VScrollBar(std::string name);

    // Min may exceed Max (the bar then runs the other way). Changing either brings Value
    // back between them, raising Change if it moves.
    int min() const { return min_; }
    void setMin(int min);
    int max() const { return max_; }
    void setMax(int max);
    // Clamped between Min and Max; raises Change when the value moves.
    int value() const { return value_; }
    void setValue(int value);
    int smallChange() const { return smallChange_; }
    void setSmallChange(int step);
    int largeChange() const { return largeChange_; }
    void setLargeChange(int step);

    bool takesFocus() const override { return true; }

    // The user's actions; each is refused (false, no event) when the bar accepts no
    // input. An arrow moves by SmallChange, a press on the track by LargeChange, towards
    // Max for positive `direction`; a drag of the thumb raises Scroll and then Change.
    bool arrow(int direction);
    bool page(int direction);
    bool drag(int value);

    std::function<void()> onChange;
    std::function<void()> onScroll;

private:
    int clamp(int value) const;
    void reclamp();

    int min_ = 0;
    int max_ = 32767;
    int value_ = 0;
    int smallChange_ = 1;
    int largeChange_ = 1;
};

}  // namespace ui
