#pragma once
// Follows key presses and releases across the application, so that the keyboard's state can
// be asked for while a key event is handled. Private to the framework.

#include <QObject>
#include <set>

namespace framework {

class KeyTracker final : public QObject {
public:
    bool isDown(int qtKey) const { return down_.count(qtKey) > 0; }
    bool commandDown() const { return commandDown_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::set<int> down_;
    bool commandDown_ = false;
};

}  // namespace framework
