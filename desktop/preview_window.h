// The preview window, in the conventions of Qt's print preview: the list of pages beside the
// page shown, a page number to type, zoom to the width, to the whole page or in steps,
// Page Up/Down, Home and End, and "Imprimer…" (Ctrl+P), which closes the window asking the
// application to run the same choices for real. A banner says nothing was recorded. Only the
// page shown is painted, through the painter of every printer, so that a preview of
// thousands of pages opens at once.
#pragma once

#include <QDialog>
#include <QImage>

#include "printing/recorded_pages.h"

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;
class QSpinBox;

namespace desktop {

class PreviewWindow : public QDialog {
public:
    static constexpr const char* kBanner = "Aperçu : rien n'est enregistré";
    // The result of exec() when the person asked for the real print.
    static constexpr int kPrint = 2;
    enum class Fit { None, Width, Page };

    explicit PreviewWindow(const printing::RecordedPages& pages, QWidget* parent = nullptr);

    int page() const { return page_; }
    double zoom() const { return zoom_; }
    Fit fit() const { return fit_; }
    void showPage(int page);
    void setZoom(double zoom);
    void setFit(Fit fit);
    // The page shown, as painted.
    const QImage& image() const { return image_; }
    // Asks for the real print of the same choices.
    void print() { done(kPrint); }

    // Paints page `index` of `pages` at `dotsPerInch`, white paper, A4 portrait.
    static QImage render(const printing::RecordedPages& pages, int index, double dotsPerInch);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void refresh();
    double fittedZoom() const;

    const printing::RecordedPages& pages_;
    int page_ = 0;
    double zoom_ = 1.0;
    Fit fit_ = Fit::Width;
    QImage image_;
    QLabel* paper_;
    QLabel* zoomText_;
    QScrollArea* scroll_;
    QSpinBox* number_;
    QListWidget* list_;
    QPushButton *previous_, *next_;
};

}  // namespace desktop
