// A list box shown in a QListWidget.
#include "desktop/list_box_binding.h"

#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>

#include "ui/keys.h"
#include "desktop/form_binding.h"
#include "desktop/guarded.h"
#include "desktop/text.h"

namespace desktop {

ListBoxBinding::ListBoxBinding(ui::ListBox& model, QListWidget& view, FormBinding& form)
    : WidgetBinding(model, view, form), list_(model), widget_(view), viewport_(view.viewport()) {
    widget_.setSelectionMode(model.multiSelect() == ui::MultiSelect::Simple ? QAbstractItemView::MultiSelection
                                                                          : QAbstractItemView::SingleSelection);
    widget_.setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    widget_.setAutoScroll(false);
    widget_.setUniformItemSizes(true);
    widget_.setTextElideMode(Qt::ElideRight);
    widget_.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    widget_.setFocusPolicy(Qt::StrongFocus);
    viewport_->installEventFilter(this);
    connect(widget_.verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int top) {
        if (updating_) return;
        guarded([&] { list_.scroll(top); });
        showTop();
    });
}

int ListBoxBinding::rowHeight() const { return widget_.fontMetrics().height() + 2; }

void ListBoxBinding::refresh() {
    WidgetBinding::refresh();
    showHeight();
    showItems();
}

void ListBoxBinding::showItems() {
    {
        Updating u(updating_);
        widget_.clear();
        const QSize size(0, rowHeight());
        for (int i = 0; i < list_.listCount(); ++i) {
            auto* item = new QListWidgetItem(toQ(list_.list(i)), &widget_);
            item->setSizeHint(size);
            item->setToolTip(item->text());
        }
    }
    showMarks();
    showCurrent();
    showTop();
}

void ListBoxBinding::showMarks() {
    Updating u(updating_);
    for (int i = 0; i < list_.listCount() && i < widget_.count(); ++i) {
        bool marked = list_.selected(i);
        if (widget_.item(i)->isSelected() != marked) widget_.item(i)->setSelected(marked);
    }
}

void ListBoxBinding::showCurrent() {
    Updating u(updating_);
    int row = list_.listIndex();
    QModelIndex index = row >= 0 && row < widget_.count() ? widget_.model()->index(row, 0) : QModelIndex();
    if (widget_.selectionModel()->currentIndex() != index)
        widget_.selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
}

void ListBoxBinding::showTop() {
    Updating u(updating_);
    QScrollBar* bar = widget_.verticalScrollBar();
    if (bar->value() != list_.topIndex()) bar->setValue(list_.topIndex());
}

void ListBoxBinding::showHeight() {
    if (list_.visibleRows() <= 0) return;
    widget_.setFixedHeight(list_.visibleRows() * rowHeight() + 2 * widget_.frameWidth());
}

void ListBoxBinding::show(ui::Property property) {
    if (property == ui::Property::List) {
        showItems();
    } else if (property == ui::Property::Selected) {
        showMarks();
    } else if (property == ui::Property::ListIndex) {
        showCurrent();
        showMarks();
    } else if (property == ui::Property::TopIndex) {
        showTop();
    } else if (property == ui::Property::VisibleRows) {
        showHeight();
    } else {
        WidgetBinding::show(property);
    }
}

int ListBoxBinding::rowAt(QEvent* event) const {
    auto* mouse = static_cast<QMouseEvent*>(event);
    QListWidgetItem* item = widget_.itemAt(mouse->position().toPoint());
    return item ? widget_.row(item) : -1;
}

void ListBoxBinding::moveCurrent(int row) {
    if (list_.listCount() == 0 || !form_.ensureActive(list_)) return;
    row = std::clamp(row, 0, list_.listCount() - 1);
    guarded([&] { list_.setListIndex(row); });
}

bool ListBoxBinding::key(QKeyEvent* event) {
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    const int current = list_.listIndex();
    const int page = std::max(1, list_.visibleRows() > 0 ? list_.visibleRows() : 1);
    switch (event->key()) {
    case Qt::Key_Up: moveCurrent(current - 1); return true;
    case Qt::Key_Down: moveCurrent(current + 1); return true;
    case Qt::Key_PageUp: moveCurrent(current - page); return true;
    case Qt::Key_PageDown: moveCurrent(current + page); return true;
    case Qt::Key_Home: moveCurrent(0); return true;
    case Qt::Key_End: moveCurrent(list_.listCount() - 1); return true;
    case Qt::Key_Space:
        if (form_.ensureActive(list_)) guarded([&] { list_.clickRow(std::max(0, current)); });
        return true;
    default:
        return event->key() != Qt::Key_Tab && event->key() != Qt::Key_Backtab && event->key() != Qt::Key_Return &&
               event->key() != Qt::Key_Enter && event->key() != Qt::Key_Escape;
    }
}

bool ListBoxBinding::eventFilter(QObject* watched, QEvent* event) {
    if (watched != viewport_) return WidgetBinding::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        int row = rowAt(event);
        if (mouse->button() == Qt::LeftButton && row >= 0 && form_.focusForClick(list_))
            guarded([&] { list_.clickRow(row); });
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        int row = rowAt(event);
        // The first press of the pair clicked the row; the second only raises DblClick.
        if (mouse->button() == Qt::LeftButton && row >= 0 && list_.acceptsInput())
            guarded([&] { ui::raise(list_.onDblClick); });
        return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return true;  // no rubber-band or drag marking: the model marks rows
    default:
        return false;
    }
}

}  // namespace desktop
