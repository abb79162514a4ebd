#pragma once
// The entry sheet: the divisor left of a long-division bracket, the dividend under its bar.
//
//              ______________
//   [ divisor ]| [ dividend ]
//         No Zeroes
//     [close]      [OK]

#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/text_field.h"
#include "framework/window.h"

namespace entry {

class WindowInput final : public framework::Window {
public:
    framework::PushButton& PushButton1() const;  // close
    framework::PushButton& PushButton2() const;  // OK
    framework::TextField& EditField1() const;    // divisor
    framework::TextField& EditField2() const;    // dividend
    framework::Label& StaticText1() const;       // "No Zeroes"

    void PushButton1_Action(framework::PushButton& sender);
    void PushButton2_Action(framework::PushButton& sender);
    bool EditField1_KeyDown(framework::TextField& sender, const framework::String& key);
    void EditField1_TextChange(framework::TextField& sender);
    bool EditField2_KeyDown(framework::TextField& sender, const framework::String& key);
    void EditField2_TextChange(framework::TextField& sender);
    void Event_Paint(framework::Graphics& g) override;
    void Event_Activate() override;

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
    // The key filter both fields share: digits, one point and the editing keys.
    bool FilterKey(framework::TextField& sender, const framework::String& key);
    void HideWarning();
    void FieldChanged(framework::TextField& field);
    // Text that arrives without a typed key (a paste, a drop) keeps only digits and one point.
    void KeepNumberCharacters(framework::TextField& field);
};

}  // namespace entry
