// The preview window: the pages of a run printed on the preview printer, one at a time,
// with a banner that says nothing was recorded, page by page and zoomed in or out.
#pragma once

#include <QDialog>
#include <QImage>

#include "printing/recorded_pages.h"

class QLabel;
class QPushButton;

namespace desktop {

class PreviewWindow : public QDialog {
public:
    static constexpr const char* kBanner = "Aperçu : rien n'est enregistré";

    explicit PreviewWindow(const printing::RecordedPages& pages, QWidget* parent = nullptr);

    int page() const { return page_; }
    double zoom() const { return zoom_; }
    void showPage(int page);
    void setZoom(double zoom);
    // The page shown, as painted.
    const QImage& image() const { return image_; }

    // Paints page `index` of `pages` at `dotsPerInch`, white paper, A4 portrait.
    static QImage render(const printing::RecordedPages& pages, int index, double dotsPerInch);

private:
    void refresh();

    const printing::RecordedPages& pages_;
    int page_ = 0;
    double zoom_ = 1.0;
    QImage image_;
    QLabel* paper_;
    QLabel* where_;
    QPushButton *previous_, *next_;
};

}  // namespace desktop
