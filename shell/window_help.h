#pragma once

#include "framework/text_area.h"
#include "framework/window.h"

namespace shell {

// One window for both help texts, filled by a single text area the user may type into.
class Windowhelp final : public framework::Window {
public:
    framework::TextArea& TextArea1() const;
    bool Event_KeyDown(const framework::String& key) override;
    // Topic 1: how to use the program; topic 2: how long division works; others: nothing.
    void startup(int helpTopic);

protected:
    void Layout() override;
    void CreateControls() override;

private:
    void _CreateControls0();
};

}  // namespace shell
