// The preview printer of the desktop, "APERCU": its pages are kept in memory to be shown in
// the preview window, and a run printed on it keeps no record.
#pragma once

#include <memory>

#include "printing/page_model.h"
#include "printing/recorded_pages.h"

namespace desktop {

inline constexpr const char* kPreviewPrinterName = "APERCU";

class PreviewPrinter : public printing::PageModel {
public:
    PreviewPrinter() : PreviewPrinter(new printing::RecordedPages) {}
    bool preview() const override { return true; }
    const printing::RecordedPages& pages() const { return *pages_; }

private:
    explicit PreviewPrinter(printing::RecordedPages* pages)
        : PageModel(std::unique_ptr<printing::PageSink>(pages), kPreviewPrinterName), pages_(pages) {}
    printing::RecordedPages* pages_;  // owned by the page model
};

}  // namespace desktop
