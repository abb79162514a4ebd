// The key filter of the two fields. It never consumes a key: it refuses one by making the field
// read-only before the key acts, so that its character is dropped, and makes the field
// editable again at the start of every key press.

#include "entry/window_input.h"
#include "framework/keyboard.h"

namespace entry {

using namespace framework;

namespace {

constexpr int kBackspace = 51;
constexpr int kLeftArrow = 123;
constexpr int kRightArrow = 124;

// Whether an editing key is held: asked of the keyboard, not of the key being judged.
bool EditingKeyDown() {
    return Keyboard::AsyncKeyDown(kBackspace) || Keyboard::AsyncKeyDown(kLeftArrow) ||
           Keyboard::AsyncKeyDown(kRightArrow);
}

}  // namespace

bool WindowInput::FilterKey(TextField& sender, const String& key) {
    sender.SetReadOnly(false);
    if (key == ".") {
        if (InStr(0, sender.Text(), ".") > 0) sender.SetReadOnly(true);
    } else if (key < "0" || key > "9") {
        if (!EditingKeyDown()) sender.SetReadOnly(true);
    }
    return false;
}

bool WindowInput::EditField1_KeyDown(TextField& sender, const String& key) {
    return FilterKey(sender, key);
}

bool WindowInput::EditField2_KeyDown(TextField& sender, const String& key) {
    return FilterKey(sender, key);
}

}  // namespace entry
