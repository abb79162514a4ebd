#include "bench/process/paint_watch.h"

#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <stdexcept>
#include <string>

namespace startup {

namespace {

// xcb hands out replies and events in malloc'ed memory.
template <typename T>
using XcbPointer = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
XcbPointer<T> Owned(T* pointer) {
    return XcbPointer<T>(pointer, &std::free);
}

// How long to sleep at most before looking at the deadline and the process again.
constexpr int kPollMilliseconds = 20;
// Looks at different windows that may be on their way at once.
constexpr int kImageBuffers = 4;

int BitsPerPixel(const xcb_setup_t* setup, std::uint8_t depth) {
    for (auto it = xcb_setup_pixmap_formats_iterator(setup); it.rem; xcb_format_next(&it)) {
        if (it.data->depth == depth) return it.data->bits_per_pixel;
    }
    return 0;
}

double Milliseconds(Clock::duration duration) {
    return std::chrono::duration<double, std::milli>(duration).count();
}

}  // namespace

PaintWatch::PaintWatch(bool trace) : trace_(trace) {
    int screenNumber = 0;
    connection_.reset(xcb_connect(nullptr, &screenNumber));
    xcb_connection_t* c = connection_.get();
    if (xcb_connection_has_error(c)) throw std::runtime_error("cannot reach the X server");
    const xcb_setup_t* setup = xcb_get_setup(c);
    auto screen = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screen.rem; ++i) xcb_screen_next(&screen);
    root_ = screen.data->root;
    // Colours are read from the low 24 bits of each 32-bit pixel.
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST)
        throw std::runtime_error("the X server sends pixels most significant byte first");

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present) throw std::runtime_error("the X server lacks DAMAGE");
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The version must be agreed before any other DAMAGE request.
    Owned(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));

    // With a window manager, windows are reparented into frames and shown when it decides; the
    // root's substructure redirection is refused while one holds it.
    const std::uint32_t redirect = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT;
    if (Owned(xcb_request_check(
            c, xcb_change_window_attributes_checked(c, root_, XCB_CW_EVENT_MASK, &redirect))))
        throw std::runtime_error("a window manager is running; start-up is measured without one");
    // Every window lies wholly on the screen, or the server would not hand out its pixels.
    images_.emplace(c,
                    std::size_t{screen.data->width_in_pixels} * screen.data->height_in_pixels * 4,
                    kImageBuffers);
    const std::uint32_t notify = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root_, XCB_CW_EVENT_MASK, &notify);
    // Raw rectangles: an event for every drawing anywhere on the screen, none merged into
    // another.
    xcb_damage_create(c, xcb_generate_id(c), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    Owned(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    lastQuiet_ = Clock::now();
}

StartUpSightings PaintWatch::WaitFor(WaitUntil until, Clock::time_point start,
                                     Clock::time_point deadline,
                                     const std::function<bool()>& running) {
    until_ = until;
    start_ = start;
    for (;;) {
        Pump();
        // Once it has shown, the images still on their way may show it earlier elsewhere.
        if (Satisfied() && !RequestsInFlight()) break;
        if (Clock::now() >= deadline || !running()) break;
        WaitForActivity();
    }
    until_.reset();
    return Collect();
}

bool PaintWatch::ForgetWindows(Clock::time_point deadline) {
    while (!windows_.empty() && Clock::now() < deadline) {
        Pump();
        WaitForActivity();
    }
    const bool allGone = windows_.empty();
    while (!windows_.empty()) Forget(windows_.begin()->first);
    return allGone;
}

void PaintWatch::Pump() {
    xcb_connection_t* c = connection_.get();
    for (;;) {
        if (xcb_connection_has_error(c)) throw std::runtime_error("lost the X server");
        bool progress = false;
        while (auto event = Owned(xcb_poll_for_event(c))) {
            Handle(event.get());
            progress = true;
        }
        // xcb_poll_for_event read the socket dry before it gave up.
        lastQuiet_ = Clock::now();
        progress |= PumpReplies();
        progress |= PumpVerdicts();
        xcb_flush(c);
        if (!progress) return;
    }
}

void PaintWatch::WaitForActivity() {
    std::array<pollfd, 2> sources{{
        {.fd = xcb_get_file_descriptor(connection_.get()), .events = POLLIN},
        {.fd = judge_.Descriptor(), .events = POLLIN},
    }};
    if (poll(sources.data(), sources.size(), 0) != 0) return;
    poll(sources.data(), sources.size(), kPollMilliseconds);
    // Woken as data came, or by a verdict or the time-out: either way no event had waited.
    lastQuiet_ = Clock::now();
}

bool PaintWatch::PumpReplies() {
    xcb_connection_t* c = connection_.get();
    bool progress = false;
    for (auto& [id, window] : windows_) {
        if (!window.image || window.image->judging) continue;
        void* reply = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (!xcb_poll_for_reply(c, window.image->sequence, &reply, &error)) continue;
        progress = true;
        auto image = Owned(static_cast<xcb_shm_get_image_reply_t*>(reply));
        if (auto failure = Owned(error))
            Trace(id, "image refused, X error %d", failure->error_code);
        Judge(id, window, image.get());
    }
    if (progress) RequestWantedImages();
    return progress;
}

bool PaintWatch::PumpVerdicts() {
    const auto verdicts = judge_.TakeVerdicts();
    if (verdicts.empty()) return false;
    // Every damage an image shows came ahead of it, perhaps in the read that brought it.
    DrainQueuedEvents();
    for (const ImageJudge::Verdict& verdict : verdicts) {
        images_->Release(verdict.buffer);
        auto it = windows_.find(verdict.window);
        if (it == windows_.end() || !it->second.image ||
            it->second.image->sequence != verdict.sequence)
            continue;
        OnVerdict(verdict.window, it->second, verdict);
    }
    RequestWantedImages();
    return true;
}

void PaintWatch::DrainQueuedEvents() {
    while (auto event = Owned(xcb_poll_for_queued_event(connection_.get()))) Handle(event.get());
}

void PaintWatch::Handle(xcb_generic_event_t* event) {
    const std::uint8_t type = event->response_type & 0x7f;
    const auto frame = [](const auto* notify) {
        return PixelRect{.x = notify->x + notify->border_width,
                         .y = notify->y + notify->border_width,
                         .width = notify->width,
                         .height = notify->height};
    };
    if (type == 0) {
        const auto* error = reinterpret_cast<xcb_generic_error_t*>(event);
        Trace(0, "X error %d for request %u", error->error_code, error->full_sequence);
    } else if (type == XCB_CREATE_NOTIFY) {
        const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (created->parent != root_) return;
        windows_[created->window] = Window{.frame = frame(created)};
        Trace(created->window, "created %dx%d+%d+%d", created->width, created->height, created->x,
              created->y);
    } else if (type == XCB_CONFIGURE_NOTIFY) {
        const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event);
        if (auto it = windows_.find(configured->window); it != windows_.end())
            it->second.frame = frame(configured);
    } else if (type == XCB_MAP_NOTIFY) {
        const xcb_window_t id = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        if (auto it = windows_.find(id); it != windows_.end()) it->second.mapped = true;
        Trace(id, "mapped");
    } else if (type == XCB_UNMAP_NOTIFY) {
        const xcb_window_t id = reinterpret_cast<xcb_unmap_notify_event_t*>(event)->window;
        if (auto it = windows_.find(id); it != windows_.end()) it->second.mapped = false;
    } else if (type == XCB_DESTROY_NOTIFY) {
        Forget(reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window);
    } else if (type == damageEvent_) {
        OnDamage(event);
    }
}

void PaintWatch::Forget(xcb_window_t id) {
    auto it = windows_.find(id);
    if (it == windows_.end()) return;
    // Answers still owed are thrown away as they come. A buffer not yet filled can be lent
    // again at once, as the server fills buffers in the order it is asked to; one being judged
    // comes back with its verdict.
    if (it->second.image && !it->second.image->judging) {
        xcb_discard_reply(connection_.get(), it->second.image->sequence);
        images_->Release(it->second.image->buffer);
    }
    windows_.erase(it);
    Trace(id, "destroyed");
}

void PaintWatch::OnDamage(xcb_generic_event_t* event) {
    const auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event);
    const Clock::time_point now = Clock::now();
    const PixelRect area{.x = damage->area.x,
                         .y = damage->area.y,
                         .width = damage->area.width,
                         .height = damage->area.height};
    // Where windows overlap, each gets it: an image of a window is what the screen shows there.
    for (auto& [id, window] : windows_) {
        if (!window.mapped || !window.frame.Intersects(area)) continue;
        const Damage seen{.arrived = now,
                          .readDelay = now - lastQuiet_,
                          .sequence = event->full_sequence,
                          .area = {.x = area.x - window.frame.x,
                                   .y = area.y - window.frame.y,
                                   .width = area.width,
                                   .height = area.height}};
        window.unseen.push_back(seen);
        Trace(id, "damage %dx%d+%d+%d, read %.2f ms after the socket was last empty",
              seen.area.width, seen.area.height, seen.area.x, seen.area.y,
              Milliseconds(seen.readDelay));
        RequestImageIfWanted(id, window);
    }
}

void PaintWatch::RequestImageIfWanted(xcb_window_t id, Window& window) {
    if (!until_ || Satisfied() || window.image || window.unseen.empty()) return;
    const std::optional<int> buffer = images_->Acquire();
    if (!buffer) return;  // asked again when one comes back
    const int width = window.frame.width;
    const int height = window.frame.height;
    const auto cookie = xcb_shm_get_image(connection_.get(), id, 0, 0, width, height, ~0u,
                                          XCB_IMAGE_FORMAT_Z_PIXMAP, images_->Segment(*buffer), 0);
    window.image = ImageRequest{
        .sequence = cookie.sequence, .buffer = *buffer, .width = width, .height = height};
}

void PaintWatch::RequestWantedImages() {
    for (auto& [id, window] : windows_) RequestImageIfWanted(id, window);
}

void PaintWatch::Judge(xcb_window_t id, Window& window, const xcb_shm_get_image_reply_t* reply) {
    ImageRequest& request = *window.image;
    if (!reply || !until_) {
        TakeShown(window);
        images_->Release(request.buffer);
        window.image.reset();
        return;
    }
    if (BitsPerPixel(xcb_get_setup(connection_.get()), reply->depth) != 32)
        throw std::runtime_error("a window of depth " + std::to_string(reply->depth) +
                                 " has no 32-bit pixels");
    request.judging = true;
    const auto pixelCount = static_cast<std::size_t>(request.width) * request.height;
    judge_.Submit({.window = id,
                   .sequence = request.sequence,
                   .buffer = request.buffer,
                   .image = {.pixels = images_->Pixels(request.buffer, pixelCount),
                             .width = request.width,
                             .height = request.height},
                   .askUniform = !window.painted,
                   .askStroke = *until_ == WaitUntil::SheetPainted && !window.stroke});
}

// The damages an image shows: those the server reported before it read the GetImage.
std::vector<PaintWatch::Damage> PaintWatch::TakeShown(Window& window) {
    const unsigned request = window.image->sequence;
    const auto shownEnd =
        std::find_if(window.unseen.begin(), window.unseen.end(),
                     [request](const Damage& damage) { return damage.sequence >= request; });
    std::vector<Damage> shown(window.unseen.begin(), shownEnd);
    window.unseen.erase(window.unseen.begin(), shownEnd);
    return shown;
}

void PaintWatch::OnVerdict(xcb_window_t id, Window& window, const ImageJudge::Verdict& verdict) {
    const std::vector<Damage> shown = TakeShown(window);
    window.image.reset();
    if (shown.empty() || !until_) return;
    const auto sighting = [](const Damage& first, const Damage& last) {
        return Sighting{.at = first.arrived, .latest = last.arrived, .readDelay = first.readDelay};
    };

    if (!window.painted && !verdict.uniform) {
        window.painted = sighting(shown.front(), shown.back());
        Trace(id, "painted: %zu damage(s) since the last look", shown.size());
    } else if (!window.painted) {
        Trace(id, "still one colour, #%06x", verdict.firstPixel & 0xFFFFFF);
    }
    if (!verdict.stroke || window.stroke) return;
    const PixelRect stroke = *verdict.stroke;
    // Only a damage over the stroke drew it; others merely came in the same image.
    std::vector<Damage> over;
    std::copy_if(shown.begin(), shown.end(), std::back_inserter(over),
                 [&](const Damage& damage) { return damage.area.Intersects(stroke); });
    if (!over.empty()) window.stroke = sighting(over.front(), over.back());
    Trace(id, "bracket stroke at %d,%d, %d tall%s", stroke.x, stroke.y, stroke.height,
          over.empty() ? ", not drawn here" : "");
}

bool PaintWatch::Satisfied() const {
    const auto any = [this](auto member) {
        return std::any_of(windows_.begin(), windows_.end(), [member](const auto& entry) {
            return (entry.second.*member).has_value();
        });
    };
    if (!any(&Window::painted)) return false;
    return until_ != WaitUntil::SheetPainted || any(&Window::stroke);
}

bool PaintWatch::RequestsInFlight() const {
    return std::any_of(windows_.begin(), windows_.end(),
                       [](const auto& entry) { return entry.second.image.has_value(); });
}

StartUpSightings PaintWatch::Collect() const {
    StartUpSightings sightings;
    const auto earlier = [](std::optional<Sighting>& best, const std::optional<Sighting>& seen) {
        if (seen && (!best || seen->at < best->at)) best = seen;
    };
    for (const auto& [id, window] : windows_) {
        earlier(sightings.firstPaint, window.painted);
        earlier(sightings.sheet, window.stroke);
    }
    return sightings;
}

void PaintWatch::Trace(xcb_window_t id, const char* format, ...) const {
    if (!trace_) return;
    std::fprintf(stderr, "%9.3f ms  0x%08x  ", Milliseconds(Clock::now() - start_), id);
    va_list arguments;
    va_start(arguments, format);
    std::vfprintf(stderr, format, arguments);
    va_end(arguments);
    std::fputc('\n', stderr);
}

}  // namespace startup
