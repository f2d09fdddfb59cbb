// A label: a caption that never takes the focus.
#pragma once

#include <string>

#include "ui/widget.h"

namespace ui {

class Label : public Widget {
public:
    explicit Label(std::string name, std::string caption = "");

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);

private:
    std::string caption_;
};

}  // namespace ui
