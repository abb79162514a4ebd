#pragma once
// Watches an X server that has no window manager for the top-level windows a started process
// creates, and tells when they are first painted and when the entry sheet's bracket shows in
// one of them.
//
// One Damage on the root window, made before the process starts, reports every drawing on the
// screen, so no drawing can slip past while a window is being noticed. Each DamageNotify is
// stamped with the time it is read and goes to the mapped windows it falls in, whose pixels are
// then fetched at once. The server sends the events of all drawing it did before it read a
// GetImage ahead of the image, and each event carries the number of the last of our requests
// it had read, so an image shows exactly the damage whose events carry a lower number than its
// GetImage.
//
// When one image shows several damages (the server ran a burst of the process's requests
// before it came to ours, as when Qt puts its first frame twice in a row), what the image shows
// is put down to the first of them. That is exact when only the process draws into its windows,
// as with Qt, which creates them without a background, so the server never paints them. Where
// the server does fill a background on mapping, the image fetched right after that damage
// mostly shows it alone, in one colour; when the process's drawing gets into the same image,
// the time is early by at most the gap to the last damage shown, which is reported.

#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "bench/process/image_judge.h"
#include "bench/process/shared_images.h"
#include "bench/process/window_image.h"

namespace startup {

using Clock = std::chrono::steady_clock;

enum class WaitUntil { FirstPaint, SheetPainted };

// When something showed: `at` is the arrival of the damage it is put down to. Two bounds on
// that: `latest` is the arrival of the last damage the same image showed (the same unless the
// server drew several times between two looks at the window), and `readDelay` how long the
// damage may have waited in the socket while the driver was busy.
struct Sighting {
    Clock::time_point at;
    Clock::time_point latest;
    Clock::duration readDelay{};
};

struct StartUpSightings {
    std::optional<Sighting> firstPaint;
    std::optional<Sighting> sheet;
};

class PaintWatch {
public:
    // Connects to $DISPLAY; throws std::runtime_error without the DAMAGE or MIT-SHM extension
    // or when a window manager holds the root.
    explicit PaintWatch(bool trace);

    // Watches the windows created from now on until what `until` asks for has shown, the
    // deadline passes or `running` says the process is gone. `start` is the origin of the trace.
    StartUpSightings WaitFor(WaitUntil until, Clock::time_point start, Clock::time_point deadline,
                             const std::function<bool()>& running);
    // Waits until every watched window is destroyed, as when its process has ended, and forgets
    // them all. False when some outlived the deadline.
    bool ForgetWindows(Clock::time_point deadline);

private:
    struct Damage {
        Clock::time_point arrived;
        Clock::duration readDelay{};
        std::uint32_t sequence = 0;
        PixelRect area;  // in the window's coordinates
    };
    struct ImageRequest {
        unsigned sequence = 0;
        int buffer = 0;
        int width = 0;
        int height = 0;
        bool judging = false;  // the pixels are in, the verdict is not
    };
    struct Window {
        PixelRect frame;  // inside the border, in root coordinates
        bool mapped = false;
        std::vector<Damage> unseen;  // damage that no fetched image has shown yet
        std::optional<ImageRequest> image;
        std::optional<Sighting> painted;
        std::optional<Sighting> stroke;
    };
    struct Disconnect {
        void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
    };

    void Pump();
    void WaitForActivity();
    bool PumpReplies();
    bool PumpVerdicts();
    void DrainQueuedEvents();
    void Handle(xcb_generic_event_t* event);
    void Forget(xcb_window_t id);
    void OnDamage(xcb_generic_event_t* event);
    void Judge(xcb_window_t id, Window& window, const xcb_shm_get_image_reply_t* reply);
    std::vector<Damage> TakeShown(Window& window);
    void OnVerdict(xcb_window_t id, Window& window, const ImageJudge::Verdict& verdict);
    void RequestImageIfWanted(xcb_window_t id, Window& window);
    void RequestWantedImages();
    bool Satisfied() const;
    bool RequestsInFlight() const;
    StartUpSightings Collect() const;
    void Trace(xcb_window_t id, const char* format, ...) const
        __attribute__((format(printf, 3, 4)));

    bool trace_;
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    std::optional<SharedImages> images_;
    ImageJudge judge_;  // reads from images_, so it goes first
    xcb_window_t root_ = 0;
    std::uint8_t damageEvent_ = 0;
    std::map<xcb_window_t, Window> windows_;
    std::optional<WaitUntil> until_;  // none while no start-up is being watched
    Clock::time_point start_;
    Clock::time_point lastQuiet_;  // when the socket was last found empty
};

}  // namespace startup
