#pragma once

#include <QLineEdit>
#include <QProgressBar>

#include <array>

#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo {

// Long plots drive the status panel's ProgressBar1. Nothing else runs while
// a plot draws, so each step repaints the bar at once.
class ProgressBarBinding final : public Progress {
public:
    explicit ProgressBarBinding(QProgressBar& bar) : bar_(bar) {}
    void set_maximum(int maximum) override { bar_.setMaximum(maximum > 0 ? maximum : 1); }
    void set_step(int step) override { step_ = step; }
    void step() override { set_position(bar_.value() + step_); }
    void set_position(int position) override {
        const int before = bar_.value();
        bar_.setValue(position < bar_.maximum() ? position : bar_.maximum());
        // A bar at rest says nothing, rather than a stale "0%".
        bar_.setTextVisible(bar_.value() > bar_.minimum());
        // Repaint only when the shown percentage moves: at most a hundred
        // times a plot, however many steps it takes.
        if (percent(bar_.value()) != percent(before)) bar_.repaint();
    }

private:
    int percent(int value) const {
        const int span = bar_.maximum() - bar_.minimum();
        return span > 0 ? static_cast<int>(100LL * (value - bar_.minimum()) / span) : 0;
    }

    QProgressBar& bar_;
    int step_ = 5;
};

// The line plots' read-outs go to Edit1..Edit7.
class StatusEditBinding final : public StatusBoxes {
public:
    explicit StatusEditBinding(const std::array<QLineEdit*, 7>& edits) : edits_(edits) {}
    void show(const std::array<QString, 7>& texts) override {
        // The boxes are narrow: show each text from its start, and whole in
        // the tool tip.
        for (std::size_t n = 0; n < edits_.size(); ++n) {
            edits_[n]->setText(texts[n]);
            edits_[n]->setCursorPosition(0);
            edits_[n]->setToolTip(texts[n]);
        }
    }

private:
    std::array<QLineEdit*, 7> edits_;
};

}  // namespace ruvo
