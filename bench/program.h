#pragma once
// The program as the benchmarks drive it, in the one runtime of the benchmark binary.

#include <memory>

namespace worksheet {
class Window1;
}

namespace benchprogram {

// The worksheet of the running program, started offscreen when it is not running, once its
// entry sheet has come up over it.
worksheet::Window1& Worksheet();
// Closes every window and releases what start-up made, as at the end of a run.
void TearDown();

// What a user waits for after asking the worksheet for something: made before the request,
// Wait() runs the event loop until the worksheet's canvas has been painted on screen and the
// work posted until then (closed controls destroyed ...) has run.
class CanvasShown {
public:
    explicit CanvasShown(worksheet::Window1& window);
    ~CanvasShown();
    CanvasShown(const CanvasShown&) = delete;
    CanvasShown& operator=(const CanvasShown&) = delete;

    void Wait();

private:
    class Watch;
    std::unique_ptr<Watch> watch_;
};

}  // namespace benchprogram
