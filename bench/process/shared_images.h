#pragma once
// Buffers in shared memory that the X server copies window pixels into (MIT-SHM GetImage).
// Its reply is then a few bytes, not the megabytes of a window: nothing big travels on the
// socket, so the events behind a look at a window are not held up while its pixels pass.

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace startup {

class SharedImages {
public:
    // `count` buffers of `bytes` each, attached to the server before this returns; throws
    // std::runtime_error when the server has no MIT-SHM or refuses them.
    SharedImages(xcb_connection_t* connection, std::size_t bytes, int count);
    ~SharedImages();
    SharedImages(const SharedImages&) = delete;
    SharedImages& operator=(const SharedImages&) = delete;

    std::optional<int> Acquire();
    void Release(int buffer);
    xcb_shm_seg_t Segment(int buffer) const { return buffers_[buffer].segment; }
    std::span<const std::uint32_t> Pixels(int buffer, std::size_t count) const;

private:
    struct Buffer {
        xcb_shm_seg_t segment = 0;
        void* memory = nullptr;
        bool busy = false;
    };

    xcb_connection_t* connection_;
    std::size_t bytes_;
    std::vector<Buffer> buffers_;
};

}  // namespace startup
