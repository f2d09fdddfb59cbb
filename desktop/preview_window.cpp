// Layout, keys and painting of the preview window.
#include "desktop/preview_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
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

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

QImage PreviewWindow::render(const printing::RecordedPages& pages, int index, double dpi) {
    QImage image(static_cast<int>(kA4WidthTwips * dpi / 1440), static_cast<int>(kA4HeightTwips * dpi / 1440),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    if (index < 0 || index >= pages.pageCount()) return image;
    QPainter painter(&image);
    // The PDF's origin: the printable area's corner, 5 mm in from the paper's.
    painter.translate(5.0 * dpi / 25.4, 5.0 * dpi / 25.4);
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

    const int count = pages_.pageCount();
    auto* bar = new QHBoxLayout;
    previous_ = button(QStringLiteral("◀"), "previous", this);
    previous_->setToolTip(QStringLiteral("Page précédente (Page préc.)"));
    next_ = button(QStringLiteral("▶"), "next", this);
    next_->setToolTip(QStringLiteral("Page suivante (Page suiv.)"));
    auto* pageLabel = new QLabel(QStringLiteral("&Page :"), this);
    number_ = new QSpinBox(this);
    number_->setObjectName(QStringLiteral("number"));
    number_->setRange(count ? 1 : 0, count);
    number_->setKeyboardTracking(false);
    pageLabel->setBuddy(number_);
    auto* width = button(QStringLiteral("&Largeur"), "fitWidth", this);
    width->setToolTip(QStringLiteral("Zoom à la largeur de la page"));
    auto* whole = button(QStringLiteral("Page &entière"), "fitPage", this);
    auto* smaller = button(QStringLiteral("Zoom −"), "smaller", this);
    auto* larger = button(QStringLiteral("Zoom +"), "larger", this);
    zoomText_ = new QLabel(this);
    zoomText_->setObjectName(QStringLiteral("zoom"));
    auto* print = button(QStringLiteral("&Imprimer…"), "print", this);
    print->setToolTip(QStringLiteral("Imprime pour de bon les mêmes choix (Ctrl+P) : l'imprimante est demandée, "
                                     "puis les enregistrements sont écrits."));
    auto* close = button(QStringLiteral("&Fermer"), "close", this);
    bar->addWidget(previous_);
    bar->addWidget(pageLabel);
    bar->addWidget(number_);
    bar->addWidget(new QLabel(QStringLiteral("/ %1").arg(count), this));
    bar->addWidget(next_);
    bar->addSpacing(16);
    for (QWidget* w : {static_cast<QWidget*>(width), static_cast<QWidget*>(whole), static_cast<QWidget*>(smaller),
                       static_cast<QWidget*>(larger), static_cast<QWidget*>(zoomText_)})
        bar->addWidget(w);
    bar->addStretch(1);
    bar->addWidget(print);
    bar->addWidget(close);
    layout->addLayout(bar);

    auto* body = new QHBoxLayout;
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("pages"));
    list_->setUniformItemSizes(true);
    for (int i = 1; i <= count; ++i) list_->addItem(QStringLiteral("Page %1").arg(i));
    list_->setFixedWidth(list_->fontMetrics().horizontalAdvance(QStringLiteral("Page 00000")) + 40);
    body->addWidget(list_);
    scroll_ = new QScrollArea(this);
    paper_ = new QLabel(scroll_);
    paper_->setObjectName(QStringLiteral("paper"));
    scroll_->setWidget(paper_);
    scroll_->setAlignment(Qt::AlignHCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    body->addWidget(scroll_, 1);
    layout->addLayout(body, 1);

    connect(previous_, &QPushButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(number_, &QSpinBox::valueChanged, this, [this](int n) { showPage(n - 1); });
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { showPage(row); });
    connect(width, &QPushButton::clicked, this, [this] { setFit(Fit::Width); });
    connect(whole, &QPushButton::clicked, this, [this] { setFit(Fit::Page); });
    connect(smaller, &QPushButton::clicked, this, [this] { setZoom(zoom_ / 1.25); });
    connect(larger, &QPushButton::clicked, this, [this] { setZoom(zoom_ * 1.25); });
    connect(print, &QPushButton::clicked, this, [this] { this->print(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto key = [this](QKeySequence sequence, std::function<void()> action) {
        auto* shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, std::move(action));
    };
    key(QKeySequence(Qt::Key_PageDown), [this] { showPage(page_ + 1); });
    key(QKeySequence(Qt::Key_PageUp), [this] { showPage(page_ - 1); });
    key(QKeySequence(Qt::Key_Home), [this] { showPage(0); });
    key(QKeySequence(Qt::Key_End), [this] { showPage(pages_.pageCount() - 1); });
    key(QKeySequence::Print, [this] { this->print(); });
    key(QKeySequence::ZoomIn, [this] { setZoom(zoom_ * 1.25); });
    key(QKeySequence::ZoomOut, [this] { setZoom(zoom_ / 1.25); });
    resize(1000, 900);
    refresh();
}

double PreviewWindow::fittedZoom() const {
    const QSize room = scroll_->viewport()->size() - QSize(24, 24);
    const double w = kA4WidthTwips * kScreenDpi / 1440, h = kA4HeightTwips * kScreenDpi / 1440;
    const double byWidth = room.width() / w;
    return fit_ == Fit::Page ? std::min(byWidth, room.height() / h) : byWidth;
}

void PreviewWindow::showPage(int page) {
    if (page < 0 || page >= pages_.pageCount() || page == page_) return;
    page_ = page;
    refresh();
}

void PreviewWindow::setZoom(double zoom) {
    fit_ = Fit::None;
    zoom_ = std::clamp(zoom, 0.25, 4.0);
    refresh();
}

void PreviewWindow::setFit(Fit fit) {
    fit_ = fit;
    refresh();
}

void PreviewWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (fit_ != Fit::None) refresh();
}

void PreviewWindow::refresh() {
    if (fit_ != Fit::None) zoom_ = std::clamp(fittedZoom(), 0.25, 4.0);
    image_ = render(pages_, page_, kScreenDpi * zoom_);
    paper_->setPixmap(QPixmap::fromImage(image_));
    paper_->resize(image_.size());
    scroll_->verticalScrollBar()->setValue(0);
    zoomText_->setText(QStringLiteral("%1 %").arg(static_cast<int>(zoom_ * 100 + 0.5)));
    const QSignalBlocker a(number_), b(list_);
    number_->setValue(pages_.pageCount() ? page_ + 1 : 0);
    list_->setCurrentRow(page_);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pages_.pageCount());
}

}  // namespace desktop
