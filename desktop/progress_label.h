// Progress of a print run beyond the hourglass: "Impression : 3 / 12 aidés" in a label
// (the host puts it in its status bar), repainted at once since the run does not let
// the event loop turn.
#pragma once

#include <QLabel>

namespace desktop {

class ProgressLabel : public QLabel {
public:
    explicit ProgressLabel(QWidget* parent = nullptr);

    // `done` aidés of `total` printed; copy is shown when the run prints more than one.
    void setProgress(long done, long total, long copy = 1, long copies = 1);
    // The run is over: the label says so briefly, then empties.
    void finish(long total);
    void clear();

    long done() const { return done_; }
    long total() const { return total_; }

private:
    long done_ = 0;
    long total_ = 0;
};

}  // namespace desktop
