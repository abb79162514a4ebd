#pragma once
// The two help texts, read whole from "Resources" beside the executable's folder on their
// first request and kept by the application object for the rest of the run. A text that
// cannot be read stays empty and is not tried again.

#include "framework/text.h"

namespace shell {

struct HelpText {
    const char* fileName;
    bool loaded = false;          // its file has been asked for, whatever came of it
    framework::String permaText;  // what was read
};

framework::String longdivisionHelp();     // how to use the program
framework::String LongDivisionTextUse();  // how long division works

}  // namespace shell
