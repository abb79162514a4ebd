#include "framework/destroyed_windows.h"

#include <xcb/xcb.h>

#include <QByteArray>
#include <QWidget>

#include "framework/runtime.h"
#include "framework/window.h"

namespace framework {

bool DestroyedWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & ~0x80) != XCB_DESTROY_NOTIFY) return false;
    const xcb_window_t destroyed =
        reinterpret_cast<const xcb_destroy_notify_event_t*>(event)->window;
    for (const auto& window : runtime_.OpenWindows()) {
        const QWidget* widget = window->NativeWidget();
        if (widget->isWindow() && widget->internalWinId() == destroyed) {
            // Handled once the toolkit has finished with the display's events.
            Window* gone = window.get();
            runtime_.Later([this, gone] {
                for (const auto& open : runtime_.OpenWindows()) {
                    if (open.get() == gone) gone->RequestClose();
                }
            });
        }
    }
    return false;
}

}  // namespace framework
