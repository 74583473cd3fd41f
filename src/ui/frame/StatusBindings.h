#pragma once

#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>

#include <algorithm>
#include <array>

#include "plot/PlotContext.h"
#include "plot/Progress.h"

namespace ruvo {

// Long plots drive the status panel's ProgressBar1. Nothing else runs while
// a plot draws, so the bar is repainted at once, but only as often as the eye
// follows it: a repaint costs more than a step of most plots (under X it
// waits for the display), and a redraw of a few milliseconds is over before
// a bar could be seen to move. The bar keeps the last position shown; its
// rest at the end is painted with the window's next repaint.
class ProgressBarBinding final : public Progress {
public:
    static constexpr int kRepaintIntervalMs = 50;

    explicit ProgressBarBinding(QProgressBar& bar) : bar_(bar) { since_shown_.start(); }
    // A plot begins: its first position is shown after the interval.
    void set_maximum(int maximum) override {
        bar_.setMaximum(maximum > 0 ? maximum : 1);
        since_shown_.start();
    }
    void set_step(int step) override { step_ = step; }
    void step() override { set_position(position_ + step_); }
    void set_position(int position) override {
        position_ = std::min(position, bar_.maximum());
        const bool at_rest = position_ <= bar_.minimum();
        if (!at_rest && !since_shown_.hasExpired(kRepaintIntervalMs)) return;
        // Qt repaints a bar at once whenever its value moves it: held back
        // here, so that the bar is painted once, now or at rest later.
        bar_.setUpdatesEnabled(false);
        bar_.setValue(position_);
        // A bar at rest says nothing, rather than a stale "0%".
        bar_.setTextVisible(!at_rest);
        bar_.setUpdatesEnabled(true);
        if (at_rest) return;
        bar_.repaint();
        since_shown_.start();
    }

private:
    QProgressBar& bar_;
    int position_ = 0;
    int step_ = 5;
    QElapsedTimer since_shown_;
};

// The read-outs of the probe and the line plots go to Edit1..Edit7.
class StatusEditBinding final : public StatusBoxes {
public:
    explicit StatusEditBinding(const std::array<QLineEdit*, 7>& edits) : edits_(edits) {}
    // The files the values of the current view are read from, box by box
    // (empty where a box shows no file's value); from the next read-out on.
    void name_sources(const std::array<QString, 7>& files) { sources_ = files; }
    void show(const std::array<QString, 7>& texts) override {
        // The boxes are narrow: show each text from its start, and whole in
        // the tool tip, with the file its value comes from.
        for (std::size_t n = 0; n < edits_.size(); ++n) {
            edits_[n]->setText(texts[n]);
            edits_[n]->setCursorPosition(0);
            const bool named = !texts[n].isEmpty() && !sources_[n].isEmpty();
            edits_[n]->setToolTip(named ? texts[n] + u'\n' + sources_[n] : texts[n]);
        }
    }

private:
    std::array<QLineEdit*, 7> edits_;
    std::array<QString, 7> sources_;
};

}  // namespace ruvo
