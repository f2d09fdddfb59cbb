// Checks what the headless services record and how they play a modal dialog.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/command_button.h"
#include "ui/form.h"
#include "ui/headless_services.h"
#include "ui/text_box.h"

namespace ui {
namespace {

TEST(HeadlessMessages, RecordedInOrderWithThePointerAndEnabledOfTheirMoment) {
    HeadlessServices services;
    std::vector<std::string> printed;
    services.onMessage = [&](const HeadlessServices::Message& m) { printed.push_back(m.text); };

    services.setMousePointer(MousePointer::Hourglass);
    services.setControlEnabled(false);
    services.msgBox("Ce centre Urssaf n'existe pas.", MsgIcon::Warning, "Message TALMIRAN");
    services.setMousePointer(MousePointer::Default);
    services.setControlEnabled(true);
    services.msgBox("Aucune sélection.", MsgIcon::Information, "Message TALMIRAN");

    const auto& boxes = services.messages();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text, "Ce centre Urssaf n'existe pas.");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Warning);
    EXPECT_EQ(boxes[0].title, "Message TALMIRAN");
    EXPECT_EQ(boxes[0].pointer, MousePointer::Hourglass);
    EXPECT_FALSE(boxes[0].controlEnabled);
    EXPECT_EQ(boxes[1].icon, MsgIcon::Information);
    EXPECT_EQ(boxes[1].pointer, MousePointer::Default);
    EXPECT_TRUE(boxes[1].controlEnabled);
    EXPECT_EQ(printed, (std::vector<std::string>{boxes[0].text, boxes[1].text}));
}

class ModalTest : public ::testing::Test {
protected:
    ModalTest() {
        back.onClick = [this] {
            mayClose = true;
            dialog.unload();
        };
        dialog.onQueryUnload = [this](int& cancel, UnloadMode) { cancel = mayClose ? 0 : 1; };
        dialog.hide();
    }

    HeadlessServices services;
    Form dialog{"Frm_SelindDnt"};
    TextBox& code = dialog.add<TextBox>("Txt_CodAide");
    CommandButton& back = dialog.add<CommandButton>("Cmd_Retour", nullptr, "Retour");
    bool mayClose = false;
};

TEST_F(ModalTest, PlayerActsInsideTheShownDialogUntilItCloses) {
    bool wasModal = false;
    services.modalPlayer = [&](Form& form) {
        wasModal = form.modal() && form.visible();
        EXPECT_EQ(form.activeControl(), &code);
        EXPECT_FALSE(form.requestClose());
        back.click();
    };
    services.showModal(dialog);
    EXPECT_TRUE(wasModal);
    EXPECT_FALSE(dialog.loaded());
    EXPECT_EQ(services.modalForms(), (std::vector<std::string>{"Frm_SelindDnt"}));
}

}  // namespace
}  // namespace ui
