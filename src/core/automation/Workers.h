#pragma once

#include <thread>
#include <vector>

namespace ruvo {

// Runs `work` on `threads` threads, this one among them, and returns when
// every one has ended. Each takes its jobs from a counter it shares with
// the others, so a slow job holds up only its own thread.
template <typename Work>
void run_on_threads(int threads, const Work& work) {
    std::vector<std::thread> workers;
    for (int n = 1; n < threads; ++n) workers.emplace_back(work);
    work();
    for (std::thread& worker : workers) worker.join();
}

}  // namespace ruvo
