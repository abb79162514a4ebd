#include "framework/keyboard.h"

#include <QEvent>
#include <QKeyEvent>

#include "framework/key_tracker.h"
#include "framework/runtime.h"

namespace framework {

bool KeyTracker::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::ShortcutOverride: {
            auto* key = static_cast<QKeyEvent*>(event);
            down_.insert(key->key());
            commandDown_ = key->modifiers().testFlag(Qt::ControlModifier);
            break;
        }
        case QEvent::KeyRelease: {
            auto* key = static_cast<QKeyEvent*>(event);
            if (!key->isAutoRepeat()) down_.erase(key->key());
            commandDown_ =
                key->modifiers().testFlag(Qt::ControlModifier) && key->key() != Qt::Key_Control;
            break;
        }
        case QEvent::ApplicationDeactivate:
            down_.clear();
            commandDown_ = false;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

bool Keyboard::AsyncKeyDown(int macKeyCode) {
    int qtKey = 0;
    switch (macKeyCode) {
        case 51:
            qtKey = Qt::Key_Backspace;
            break;
        case 123:
            qtKey = Qt::Key_Left;
            break;
        case 124:
            qtKey = Qt::Key_Right;
            break;
        default:
            return false;
    }
    return Runtime::Current().Keys().isDown(qtKey);
}

bool Keyboard::AsyncCommandKey() { return Runtime::Current().Keys().commandDown(); }

}  // namespace framework
