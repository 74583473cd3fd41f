#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <functional>

namespace ruvo {

// Where a window shows how far a read is: thousandths of the file, then 0
// when it is done.
using ReadShown = std::function<void(int thousandths)>;

// How far a file's reading is, shown only once the read has taken half a
// second, so that a quick read shows nothing. Only the thread that made it
// may report.
class ReadProgress {
public:
    static constexpr int kShownAfterMs = 500;
    static constexpr int kSteps = 1000;

    explicit ReadProgress(const ReadShown& shown) : shown_(shown) { started_.start(); }
    ~ReadProgress() {
        if (showing_) shown_(0);
    }
    ReadProgress(const ReadProgress&) = delete;
    ReadProgress& operator=(const ReadProgress&) = delete;

    void at(double fraction) {
        if (!shown_ || !started_.hasExpired(kShownAfterMs)) return;
        showing_ = true;
        shown_(std::max(1, static_cast<int>(fraction * kSteps)));
    }

private:
    ReadShown shown_;
    QElapsedTimer started_;
    bool showing_ = false;
};

}  // namespace ruvo
