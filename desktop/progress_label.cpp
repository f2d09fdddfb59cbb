// The progress label of a print run.
#include "desktop/progress_label.h"

namespace desktop {

ProgressLabel::ProgressLabel(QWidget* parent) : QLabel(parent) { setObjectName(QStringLiteral("progress")); }

void ProgressLabel::setProgress(long done, long total, long copy, long copies) {
    done_ = done;
    total_ = total;
    QString text = QStringLiteral("Impression : %1 / %2 aidé%3").arg(done).arg(total).arg(total > 1 ? "s" : "");
    if (copies > 1) text += QStringLiteral(" (exemplaire %1 / %2)").arg(copy).arg(copies);
    setText(text);
    repaint();
}

void ProgressLabel::finish(long total) {
    done_ = total_ = total;
    setText(QStringLiteral("Impression terminée : %1 aidé%2").arg(total).arg(total > 1 ? "s" : ""));
    repaint();
}

void ProgressLabel::clear() {
    done_ = total_ = 0;
    QLabel::clear();
}

}  // namespace desktop
