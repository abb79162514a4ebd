#pragma once

#include "framework/label.h"
#include "framework/push_button.h"
#include "framework/window.h"

namespace shell {

// The maker's web site, which "WEB" opens.
inline constexpr const char* kMakerAddress = "https://bramblewick.example.org";

class WindowAbout final : public framework::Window {
public:
    void PushButton1_Action(framework::PushButton& sender);  // WEB
    void PushButton2_Action(framework::PushButton& sender);  // OK

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};

}  // namespace shell
