// The painting thread of a printer.
#include "printing/spooling_sink.h"

namespace printing {

SpoolingSink::SpoolingSink(std::unique_ptr<PageSink> painter, std::size_t pagesAhead)
    : painter_(std::move(painter)), pagesAhead_(pagesAhead == 0 ? 1 : pagesAhead) {
    thread_ = std::thread([this] { work(); });
}

SpoolingSink::~SpoolingSink() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.clear();
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
    painter_.reset();  // on this thread, with nothing painting any more
}

void SpoolingSink::work() {
    for (;;) {
        Batch batch;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            changed_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
            if (queue_.empty()) return;  // stopping
            batch = std::move(queue_.front());
            queue_.pop_front();
            busy_ = true;
        }
        changed_.notify_all();  // room in the queue
        std::exception_ptr failure;
        bool dropping;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            dropping = dropping_;
        }
        try {
            for (const Op& op : batch) {
                if (dropping && op.kind != Op::Abandon) continue;
                switch (op.kind) {
                case Op::Begin: painter_->beginPage(static_cast<int>(op.a)); break;
                case Op::Font: painter_->font(op.text, op.a, op.b != 0); break;
                case Op::Width: painter_->width(static_cast<int>(op.a)); break;
                case Op::Text: painter_->text(op.a, op.b, op.text); break;
                case Op::Line: painter_->line(op.a, op.b, op.c, op.d); break;
                case Op::End: painter_->endDocument(); break;
                case Op::Deliver: painter_->deliver(); break;
                case Op::Abandon: painter_->abandon(); break;
                }
            }
        } catch (...) {
            failure = std::current_exception();
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (failure && !error_) error_ = failure;
            if (failure) dropping_ = true;
            busy_ = false;
        }
        changed_.notify_all();
    }
}

void SpoolingSink::rethrow() {
    std::exception_ptr e;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        e = error_;
        error_ = nullptr;
    }
    if (e) std::rethrow_exception(e);
}

// Hands the operations gathered so far to the painting thread; waits for room in the
// queue, or, with `wait`, until everything handed over is done.
void SpoolingSink::handOver(bool wait) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!batch_.empty()) {
        changed_.wait(lock, [this] { return queue_.size() < pagesAhead_; });
        queue_.push_back(std::move(batch_));
        batch_.clear();
    }
    changed_.notify_all();
    if (wait) changed_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void SpoolingSink::push(Op op) { batch_.push_back(std::move(op)); }

void SpoolingSink::beginPage(int number) {
    rethrow();
    if (number > 1) handOver(false);  // the page before is whole
    push({Op::Begin, {}, static_cast<double>(number)});
}

void SpoolingSink::font(const std::string& name, double points, bool bold) {
    push({Op::Font, name, points, bold ? 1.0 : 0.0});
}

void SpoolingSink::width(int drawWidth) { push({Op::Width, {}, static_cast<double>(drawWidth)}); }

void SpoolingSink::text(double x, double y, const std::string& text) { push({Op::Text, text, x, y}); }

void SpoolingSink::line(double x1, double y1, double x2, double y2) { push({Op::Line, {}, x1, y1, x2, y2}); }

void SpoolingSink::endDocument() {
    push({Op::End, {}});
    handOver(true);
    rethrow();
}

void SpoolingSink::deliver() {
    push({Op::Deliver, {}});
    handOver(true);
    rethrow();
}

void SpoolingSink::abandon() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.clear();
        dropping_ = false;
    }
    batch_.clear();
    push({Op::Abandon, {}});
    handOver(true);
    std::lock_guard<std::mutex> lock(mutex_);
    error_ = nullptr;  // what failed before is moot: the document is gone
}

}  // namespace printing
