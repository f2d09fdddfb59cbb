// QListWidget <-> ui::ListBox: items, marks, current row and first visible row shown at
// once; the person's clicks, double clicks, keys and scrolling given to the model, which
// alone marks rows.
#pragma once

#include "ui/list_box.h"
#include "desktop/widget_binding.h"

class QListWidget;

namespace desktop {

class ListBoxBinding : public WidgetBinding {
public:
    ListBoxBinding(ui::ListBox& model, QListWidget& view, FormBinding& form);
    void refresh() override;

    // Height of one row, in pixels; the list is made tall enough for the model's
    // visible rows when it names them.
    int rowHeight() const;

protected:
    void show(ui::Property property) override;
    bool key(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showItems();
    void showMarks();
    void showCurrent();
    void showTop();
    void showHeight();
    int rowAt(QEvent* event) const;
    void moveCurrent(int row);

    ui::ListBox& list_;
    QListWidget& widget_;
    // Kept from the start: the filter still sees the viewport's events while the list is
    // being destroyed, when the list's own functions may no longer be called.
    QObject* viewport_;
};

}  // namespace desktop
