// Checks the Value and Click of check boxes and the exclusivity of option button groups.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/check_box.h"
#include "ui/form.h"
#include "ui/frame.h"
#include "ui/option_button.h"

namespace ui {
namespace {

TEST(CheckBox, UserClickTogglesAnAssignedValueRaisesClickOnlyWhenItChangesAndClickSeesTheNewValue) {
    CheckBox box("Cac_RegltParAide", "Règlement", CheckValue::Checked);
    std::vector<CheckValue> seen;
    box.onClick = [&] { seen.push_back(box.value()); };
    box.click();
    box.click();
    box.setValue(CheckValue::Grayed);
    box.setValue(CheckValue::Grayed);
    box.click();
    box.setValue(CheckValue::Checked);
    EXPECT_EQ(seen, (std::vector<CheckValue>{CheckValue::Unchecked, CheckValue::Checked,
                                             CheckValue::Grayed, CheckValue::Checked}));
}

class OptionTest : public ::testing::Test {
protected:
    OptionTest() {
        for (OptionButton* o : {&alpha, &town, &sector, &other}) {
            o->onClick = [this, o] { clicked.push_back(o->name()); };
        }
    }

    Form form{"Ctr"};
    Frame& sort = form.add<Frame>("Cdr_Tri", nullptr, "Tri");
    OptionButton& alpha = form.add<OptionButton>("Opt_Alpha", &sort, "Ordre alphabétique");
    OptionButton& town = form.add<OptionButton>("Opt_Commune", &sort, "Commune");
    OptionButton& sector = form.add<OptionButton>("Opt_Sect", &sort, "Secteur");
    OptionButton& other = form.add<OptionButton>("Opt_Other");
    std::vector<std::string> clicked;
};

TEST_F(OptionTest, SelectingOneClearsTheOthersOfItsFrameOnlyAndReselectingOrClearingRaisesNothing) {
    other.setValue(true);
    alpha.setValue(true);
    town.click();
    EXPECT_FALSE(alpha.value());
    EXPECT_TRUE(town.value());
    EXPECT_FALSE(sector.value());
    EXPECT_TRUE(other.value());
    EXPECT_EQ(clicked, (std::vector<std::string>{"Opt_Other", "Opt_Alpha", "Opt_Commune"}));
    // The selected option raises nothing when selected again or cleared.
    clicked.clear();
    town.setValue(true);
    EXPECT_TRUE(town.click());
    town.setValue(false);
    EXPECT_TRUE(clicked.empty());
    EXPECT_FALSE(town.value());
}

}  // namespace
}  // namespace ui
