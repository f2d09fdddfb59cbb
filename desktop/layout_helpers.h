// Small helpers shared by the form views' layouts.
#pragma once

#include <QBoxLayout>
#include <QWidget>

#include <initializer_list>

namespace desktop {

// A horizontal row of the widgets given (null ones skipped), with a stretch at the end
// when `stretchAfter`.
QHBoxLayout* row(std::initializer_list<QWidget*> widgets, bool stretchAfter);
// The widget itself, or an empty one standing in its place.
QWidget* orSpacer(QWidget* widget);
// Width that shows `chars` characters in the widget's font, frame included.
int charsWidth(const QWidget& widget, int chars);

}  // namespace desktop
