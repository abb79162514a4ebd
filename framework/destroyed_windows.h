#pragma once
// Another program may destroy one of the program's windows outright on the X display, as
// `xdotool windowclose` does. The toolkit does not notice; this filter does, and treats it as a
// request to close that window, so that the program never goes on without its window. Private
// to the framework.

#include <QAbstractNativeEventFilter>

namespace framework {

class Runtime;

class DestroyedWindowWatch final : public QAbstractNativeEventFilter {
public:
    explicit DestroyedWindowWatch(Runtime& runtime) : runtime_(runtime) {}
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    Runtime& runtime_;
};

}  // namespace framework
