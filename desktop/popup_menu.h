// Shows a menu model as a Qt pop-up menu and chooses the item the person picks.
#pragma once

#include <QPoint>

#include "ui/menu.h"

class QMenu;
class QWidget;

namespace desktop {

// Fills `menu` with the visible items of `model` (sub-menus for items that have items).
void fillMenu(QMenu& menu, ui::Menu& model);

// Pops up the items of `model` at `globalPos` and returns once the person has chosen
// one (whose Click has then run) or dismissed the menu.
void runPopupMenu(ui::Menu& model, const QPoint& globalPos, QWidget* parent = nullptr);

}  // namespace desktop
