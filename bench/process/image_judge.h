#pragma once
// Judges window images on a thread of its own, so that the thread stamping the X server's
// events never waits while megabytes of pixels are looked through.

#include <xcb/xcb.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "bench/process/window_image.h"

namespace startup {

class ImageJudge {
public:
    struct Job {
        xcb_window_t window = 0;
        unsigned sequence = 0;  // of the GetImage
        int buffer = 0;         // shared memory that stays untouched until the verdict is taken
        WindowImage image;
        bool askUniform = false;
        bool askStroke = false;
    };
    struct Verdict {
        xcb_window_t window = 0;
        unsigned sequence = 0;
        int buffer = 0;
        bool uniform = false;
        std::uint32_t firstPixel = 0;
        std::optional<PixelRect> stroke;
    };

    ImageJudge();
    ~ImageJudge();
    ImageJudge(const ImageJudge&) = delete;
    ImageJudge& operator=(const ImageJudge&) = delete;

    void Submit(const Job& job);
    // Readable while verdicts wait to be taken.
    int Descriptor() const { return eventFd_; }
    std::vector<Verdict> TakeVerdicts();

private:
    void Work(std::stop_token stop);

    int eventFd_;
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::deque<Job> jobs_;
    std::vector<Verdict> verdicts_;
    std::jthread worker_;  // last: joined before what it uses goes
};

}  // namespace startup
