#pragma once

namespace ruvo {

// How a long plot reports its progress: the window binds it to its progress
// bar, the command line to nothing.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void set_maximum(int maximum) = 0;
    virtual void set_step(int step) = 0;
    virtual void step() = 0;
    virtual void set_position(int position) = 0;
};

class NoProgress final : public Progress {
public:
    void set_maximum(int) override {}
    void set_step(int) override {}
    void step() override {}
    void set_position(int) override {}
};

}  // namespace ruvo
