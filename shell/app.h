#pragma once
// The application object: one per run, registered at start-up. It carries the flags the
// windows keep on it and, for the rest of the run, the help texts once read.

#include "framework/application.h"
#include "shell/help_texts.h"
#include "worksheet/application_flags.h"

namespace shell {

class App final : public framework::Application, public worksheet::ApplicationFlags {
public:
    void Event_Open() override;
    void Event_EnableMenuItems() override;
    bool _HelpProgram_Action();
    bool _HelpLongDivision_Action();
    bool _FileAbout_Action();

    // Released when the program ends, the first before the second.
    HelpText programHelp{"longdivisionHelp.txt"};
    HelpText divisionHelp{"LongDivisionTextUse.txt"};
};

// The registered application object; NilObjectException before start-up has registered it.
// The accessor bears the class's name, as the application object is known by it everywhere:
// hold what it returns with auto&.
App& App();

}  // namespace shell
