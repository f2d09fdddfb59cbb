// A printer that prints nothing: the current printer of a run whose printer dialog was
// cancelled, which still ends its document.
#pragma once

#include <string>

#include "printing/printer.h"

namespace desktop {

class IdlePrinter : public printing::Printer {
public:
    double currentX() const override { return x_; }
    void setCurrentX(double x) override { x_ = x; }
    double currentY() const override { return y_; }
    void setCurrentY(double y) override { y_ = y; }
    const std::string& fontName() const override { return font_; }
    void setFontName(const std::string& name) override { font_ = name; }
    double fontSize() const override { return size_; }
    void setFontSize(double points) override { size_ = points; }
    bool fontBold() const override { return bold_; }
    void setFontBold(bool bold) override { bold_ = bold; }
    int drawWidth() const override { return width_; }
    void setDrawWidth(int width) override { width_ = width; }
    void print(std::string_view) override {}
    void printNoNewline(std::string_view) override {}
    void line(double, double, double, double) override {}
    void newPage() override {}
    void endDoc() override {}
    int page() const override { return 1; }
    const std::string& deviceName() const override { return device_; }

private:
    double x_ = 0, y_ = 0, size_ = 10;
    bool bold_ = false;
    int width_ = 1;
    std::string font_ = "Courier New";
    std::string device_;
};

}  // namespace desktop
