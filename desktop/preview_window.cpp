// Layout and painting of the preview window.
#include "desktop/preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "printing/qt/page_painter.h"

namespace desktop {

namespace {

constexpr double kScreenDpi = 96;
constexpr double kA4WidthTwips = 21.0 * 567, kA4HeightTwips = 29.7 * 567;

// A sink that paints on one QPainter through the page painter of every printer.
class PainterSink : public printing::PageSink {
public:
    explicit PainterSink(QPainter& painter) : painter_(painter) {}
    void beginPage(int) override {}
    void font(const std::string& name, double points, bool bold) override { page_.font(name, points, bold); }
    void width(int w) override { page_.width(w); }
    void text(double x, double y, const std::string& t) override { page_.text(painter_, x, y, t); }
    void line(double x1, double y1, double x2, double y2) override { page_.line(painter_, x1, y1, x2, y2); }
    void endDocument() override {}

private:
    QPainter& painter_;
    printing::qt::PagePainter page_;
};

}  // namespace

QImage PreviewWindow::render(const printing::RecordedPages& pages, int index, double dpi) {
    QImage image(static_cast<int>(kA4WidthTwips * dpi / 1440), static_cast<int>(kA4HeightTwips * dpi / 1440),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    if (index < 0 || index >= pages.pageCount()) return image;
    QPainter painter(&image);
    printing::qt::PagePainter::scaleToTwips(painter, dpi, dpi);
    PainterSink sink(painter);
    pages.replay(index, sink);
    return image;
}

PreviewWindow::PreviewWindow(const printing::RecordedPages& pages, QWidget* parent) : QDialog(parent), pages_(pages) {
    setObjectName(QStringLiteral("PreviewWindow"));
    setWindowTitle(QStringLiteral("Aperçu des déclarations"));
    auto* layout = new QVBoxLayout(this);
    auto* banner = new QLabel(QString::fromUtf8(kBanner), this);
    banner->setObjectName(QStringLiteral("banner"));
    banner->setAlignment(Qt::AlignCenter);
    banner->setStyleSheet(QStringLiteral("background: #fff3c4; color: #6b4e00; font-weight: bold; padding: 6px;"));
    layout->addWidget(banner);

    auto* bar = new QHBoxLayout;
    previous_ = new QPushButton(QStringLiteral("◀ Page précédente"), this);
    next_ = new QPushButton(QStringLiteral("Page suivante ▶"), this);
    where_ = new QLabel(this);
    auto* smaller = new QPushButton(QStringLiteral("Zoom −"), this);
    auto* larger = new QPushButton(QStringLiteral("Zoom +"), this);
    auto* close = new QPushButton(QStringLiteral("Fermer"), this);
    for (auto* b : {previous_, next_, smaller, larger, close}) b->setAutoDefault(false);
    previous_->setObjectName(QStringLiteral("previous"));
    next_->setObjectName(QStringLiteral("next"));
    smaller->setObjectName(QStringLiteral("smaller"));
    larger->setObjectName(QStringLiteral("larger"));
    close->setObjectName(QStringLiteral("close"));
    bar->addWidget(previous_);
    bar->addWidget(next_);
    bar->addWidget(where_, 1, Qt::AlignCenter);
    bar->addWidget(smaller);
    bar->addWidget(larger);
    bar->addWidget(close);
    layout->addLayout(bar);

    auto* scroll = new QScrollArea(this);
    paper_ = new QLabel(scroll);
    paper_->setObjectName(QStringLiteral("paper"));
    scroll->setWidget(paper_);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    layout->addWidget(scroll, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(smaller, &QPushButton::clicked, this, [this] { setZoom(zoom_ / 1.25); });
    connect(larger, &QPushButton::clicked, this, [this] { setZoom(zoom_ * 1.25); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    resize(900, 1000);
    refresh();
}

void PreviewWindow::showPage(int page) {
    if (page < 0 || page >= pages_.pageCount()) return;
    page_ = page;
    refresh();
}

void PreviewWindow::setZoom(double zoom) {
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    refresh();
}

void PreviewWindow::refresh() {
    image_ = render(pages_, page_, kScreenDpi * zoom_);
    paper_->setPixmap(QPixmap::fromImage(image_));
    paper_->resize(image_.size());
    where_->setText(QStringLiteral("Page %1 / %2 — %3 %").arg(pages_.pageCount() ? page_ + 1 : 0).arg(pages_.pageCount())
                        .arg(static_cast<int>(zoom_ * 100 + 0.5)));
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pages_.pageCount());
}

}  // namespace desktop
