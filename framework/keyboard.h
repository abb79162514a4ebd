#pragma once
// The keyboard's state at this moment, as the program's key filters ask for it: whether a key
// is held down, named by its Mac virtual key code, and whether the command modifier (Ctrl here)
// is down.

namespace framework {

class Keyboard {
public:
    // 51 backspace, 123 left arrow, 124 right arrow; other codes are never down.
    static bool AsyncKeyDown(int macKeyCode);
    static bool AsyncCommandKey();
};

}  // namespace framework
