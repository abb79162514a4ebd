#include "bench/process/shared_images.h"

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>
#include <stdexcept>

namespace startup {

SharedImages::SharedImages(xcb_connection_t* connection, std::size_t bytes, int count)
    : connection_(connection), bytes_(bytes) {
    const xcb_query_extension_reply_t* shm = xcb_get_extension_data(connection, &xcb_shm_id);
    if (!shm || !shm->present) throw std::runtime_error("the X server lacks MIT-SHM");
    for (int i = 0; i < count; ++i) {
        const int id = shmget(IPC_PRIVATE, bytes, IPC_CREAT | 0600);
        if (id < 0) throw std::runtime_error("no shared memory for window images");
        void* memory = shmat(id, nullptr, 0);
        const xcb_shm_seg_t segment = xcb_generate_id(connection);
        xcb_generic_error_t* error =
            memory == reinterpret_cast<void*>(-1)
                ? nullptr
                : xcb_request_check(connection,
                                    xcb_shm_attach_checked(connection, segment, id, false));
        // Marked for removal now, it goes when the server and the driver have both let go.
        shmctl(id, IPC_RMID, nullptr);
        if (memory == reinterpret_cast<void*>(-1) || error) {
            std::free(error);
            throw std::runtime_error("the X server cannot share memory with the driver");
        }
        // Touched once here, so that reading an image later costs no page faults while events
        // wait to be read.
        std::memset(memory, 0, bytes);
        buffers_.push_back({.segment = segment, .memory = memory});
    }
}

SharedImages::~SharedImages() {
    for (const Buffer& buffer : buffers_) {
        xcb_shm_detach(connection_, buffer.segment);
        shmdt(buffer.memory);
    }
    xcb_flush(connection_);
}

std::optional<int> SharedImages::Acquire() {
    for (std::size_t i = 0; i < buffers_.size(); ++i) {
        if (buffers_[i].busy) continue;
        buffers_[i].busy = true;
        return static_cast<int>(i);
    }
    return std::nullopt;
}

void SharedImages::Release(int buffer) { buffers_[buffer].busy = false; }

std::span<const std::uint32_t> SharedImages::Pixels(int buffer, std::size_t count) const {
    if (count * sizeof(std::uint32_t) > bytes_) throw std::runtime_error("a window image too big");
    return {static_cast<const std::uint32_t*>(buffers_[buffer].memory), count};
}

}  // namespace startup
