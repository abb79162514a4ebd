#pragma once
// The two help texts, read whole from "Resources" beside the executable's folder on their
// first request and kept for the rest of the run. A text that cannot be read stays empty and
// is not tried again.

#include "framework/text.h"

namespace shell {

framework::String longdivisionHelp();     // how to use the program
framework::String LongDivisionTextUse();  // how long division works
void ReleaseHelpTexts();
// Forgets that the texts were read, as at the start of a run; for tests.
void ForgetHelpTexts();

}  // namespace shell
