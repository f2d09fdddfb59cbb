// Pop-up menus built from menu models.
#include "desktop/popup_menu.h"

#include <QAction>
#include <QMenu>

#include "desktop/guarded.h"
#include "desktop/presenter.h"
#include "desktop/text.h"

namespace desktop {

namespace {
// A menu caption as Qt shows it: a single '&' of the toolkit marks the access key too.
QString caption(const ui::Menu& m) { return toQ(m.caption()); }
const char* kModelProperty = "dntMenuModel";
}  // namespace

void fillMenu(QMenu& menu, ui::Menu& model) {
    menu.setTitle(caption(model));
    for (ui::Menu* item : model.items()) {
        if (!item->visible()) continue;
        if (!item->items().empty()) {
            QMenu* sub = menu.addMenu(caption(*item));
            fillMenu(*sub, *item);
            sub->setEnabled(item->enabled());
            continue;
        }
        if (item->caption() == "-") {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(caption(*item));
        action->setObjectName(QString::fromStdString(item->name()));
        action->setEnabled(item->enabled());
        action->setCheckable(item->checked());
        action->setChecked(item->checked());
        action->setProperty(kModelProperty, QVariant::fromValue(static_cast<void*>(item)));
    }
}

void runPopupMenu(ui::Menu& model, const QPoint& globalPos, QWidget* parent) {
    QMenu menu(parent);
    menu.setObjectName(QString::fromStdString(model.name()));
    fillMenu(menu, model);
    QAction* chosen = presenter().popup(menu, globalPos);
    if (!chosen) return;
    auto* item = static_cast<ui::Menu*>(chosen->property(kModelProperty).value<void*>());
    if (item) guarded([item] { item->choose(); });
}

}  // namespace desktop
