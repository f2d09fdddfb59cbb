// Checks that a scroll bar keeps its value within its range and when it raises Change
// and Scroll.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/scroll_bar.h"

namespace ui {
namespace {

class ScrollTest : public ::testing::Test {
protected:
    ScrollTest() {
        bar.setMax(10);
        bar.onChange = [this] { log.push_back("change " + std::to_string(bar.value())); };
        bar.onScroll = [this] { log.push_back("scroll " + std::to_string(bar.value())); };
    }

    VScrollBar bar{"Bdv_Pos"};
    std::vector<std::string> log;
};

TEST_F(ScrollTest, ValueIsClampedToTheRangeAndChangeRaisedOnlyWhenItMoves) {
    bar.setValue(15);
    EXPECT_EQ(bar.value(), 10);
    bar.setValue(99);
    bar.setValue(-4);
    EXPECT_EQ(bar.value(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"change 10", "change 0"}));
    // Lowering Max pulls the value back, with Change, down to zero.
    bar.setValue(8);
    log.clear();
    bar.setMax(3);
    EXPECT_EQ(bar.value(), 3);
    EXPECT_EQ(log, (std::vector<std::string>{"change 3"}));
    // The range of an empty list still holds zero.
    bar.setMax(-1);
    EXPECT_EQ(bar.value(), 0);
    bar.setValue(0);
    EXPECT_EQ(bar.value(), 0);
}

TEST_F(ScrollTest, ArrowsTrackAndDragStepWithinTheRange) {
    bar.setSmallChange(1);
    bar.setLargeChange(4);
    bar.arrow(+1);
    bar.page(+1);
    EXPECT_EQ(bar.value(), 5);
    bar.page(+1);
    bar.page(+1);
    EXPECT_EQ(bar.value(), 10);
    bar.arrow(-1);
    EXPECT_EQ(bar.value(), 9);
    log.clear();
    bar.drag(7);  // a drag raises Scroll, then Change
    EXPECT_EQ(log, (std::vector<std::string>{"scroll 7", "change 7"}));
}

}  // namespace
}  // namespace ui
