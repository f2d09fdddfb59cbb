// A sink that paints on a thread of its own, as a system spooler would: the page model
// hands it placed operations page by page and goes on with the next declaration while the
// pages already made are painted. Every call of the painting sink happens on that thread, in
// order; endDocument(), deliver() and abandon() wait until the painting thread has done them,
// and a failure there comes back to the caller at its next call.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "printing/page_sink.h"

namespace printing {

class SpoolingSink : public PageSink {
public:
    // At most `pagesAhead` pages wait to be painted; the page model waits beyond that, so
    // that memory stays bounded however long the run.
    explicit SpoolingSink(std::unique_ptr<PageSink> painter, std::size_t pagesAhead = 16);
    ~SpoolingSink() override;

    void beginPage(int number) override;
    void font(const std::string& name, double points, bool bold) override;
    void width(int drawWidth) override;
    void text(double x, double y, const std::string& text) override;
    void line(double x1, double y1, double x2, double y2) override;
    void endDocument() override;
    void deliver() override;
    void abandon() override;

private:
    struct Op {
        enum Kind { Begin, Font, Width, Text, Line, End, Deliver, Abandon } kind;
        std::string text;
        double a = 0, b = 0, c = 0, d = 0;
    };
    using Batch = std::vector<Op>;

    void push(Op op);
    void handOver(bool wait);
    void rethrow();
    void work();

    std::unique_ptr<PageSink> painter_;
    std::size_t pagesAhead_;
    Batch batch_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Batch> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    bool dropping_ = false;  // after a failure: the rest of the document is not painted
    std::exception_ptr error_;
    std::thread thread_;
};

}  // namespace printing
