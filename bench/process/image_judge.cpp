#include "bench/process/image_judge.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <stdexcept>
#include <utility>

namespace startup {

ImageJudge::ImageJudge() : eventFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (eventFd_ < 0) throw std::runtime_error("no eventfd for the image judge");
    worker_ = std::jthread([this](std::stop_token stop) { Work(stop); });
}

ImageJudge::~ImageJudge() {
    worker_.request_stop();
    worker_.join();
    close(eventFd_);
}

void ImageJudge::Submit(const Job& job) {
    {
        std::lock_guard lock(mutex_);
        jobs_.push_back(job);
    }
    wake_.notify_one();
}

std::vector<ImageJudge::Verdict> ImageJudge::TakeVerdicts() {
    std::uint64_t count = 0;
    [[maybe_unused]] const auto drained = read(eventFd_, &count, sizeof count);
    std::lock_guard lock(mutex_);
    return std::exchange(verdicts_, {});
}

void ImageJudge::Work(std::stop_token stop) {
    for (;;) {
        Job job;
        {
            std::unique_lock lock(mutex_);
            if (!wake_.wait(lock, stop, [this] { return !jobs_.empty(); })) return;
            job = jobs_.front();
            jobs_.pop_front();
        }
        Verdict verdict{.window = job.window,
                        .sequence = job.sequence,
                        .buffer = job.buffer,
                        .firstPixel = job.image.pixels.empty() ? 0 : job.image.pixels.front()};
        if (job.askUniform) verdict.uniform = IsUniform(job.image);
        if (job.askStroke) verdict.stroke = FindBracketStroke(job.image);
        {
            std::lock_guard lock(mutex_);
            verdicts_.push_back(verdict);
        }
        const std::uint64_t one = 1;
        [[maybe_unused]] const auto signalled = write(eventFd_, &one, sizeof one);
    }
}

}  // namespace startup
