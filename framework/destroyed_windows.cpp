#include "framework/destroyed_windows.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QPointer>
#include <QWidget>
#include <algorithm>

#include "framework/runtime.h"
#include "framework/window.h"

namespace framework {

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const xcb_window_t destroyed =
        reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
    // Another window's widget may be gone already, deleted with a window it was part of.
    for (const auto& window : runtime_.OpenWindows()) {
        QWidget* widget = window->NativeWidgetIfAlive();
        if (!widget || !widget->isWindow() || widget->internalWinId() != destroyed) continue;
        // Handled once the toolkit has finished with the display's events, by which time the
        // window may have closed: it is found again by its widget, which is null once deleted.
        runtime_.Later([this, gone = QPointer<QWidget>(widget)] {
            if (!gone) return;
            const auto& open = runtime_.OpenWindows();
            const auto at = std::find_if(open.begin(), open.end(), [&](const auto& candidate) {
                return candidate->NativeWidgetIfAlive() == gone;
            });
            if (at != open.end()) (*at)->RequestClose();
        });
    }
    return false;
}

}  // namespace framework
