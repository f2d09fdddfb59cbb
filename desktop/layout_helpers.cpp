// Layout helpers of the form views.
#include "desktop/layout_helpers.h"

#include <QFontMetrics>

namespace desktop {

QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAfter) {
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);
    for (QWidget* w : widgets)
        if (w) layout->addWidget(w);
    if (stretchAfter) layout->addStretch(1);
    return layout;
}

QWidget* orSpacer(QWidget* widget) { return widget ? widget : new QWidget; }

int charsWidth(const QWidget& widget, int chars) {
    return widget.fontMetrics().horizontalAdvance(QString(chars, QLatin1Char('0'))) + 16;
}

}  // namespace desktop
