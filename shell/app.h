#pragma once
// The application object: one per run, registered at start-up.

#include "framework/application.h"

namespace shell {

class App final : public framework::Application {
public:
    bool isOpened = false;  // the entry sheet has been shown by itself once
    bool isReady = false;   // a problem has been handed to the worksheet

    void Event_Open() override;
    void Event_EnableMenuItems() override;
    bool _HelpProgram_Action();
    bool _HelpLongDivision_Action();
    bool _FileAbout_Action();
};

// The registered application object; NilObjectException before start-up has registered it.
// The function shares the class's name, as "struct stat" does: name the type "class App".
class App& App();

}  // namespace shell
