#pragma once
// The two flags that the worksheet and the entry sheet keep on the application object. The
// application's class carries them; the windows, which sit below the application, reach them
// through the framework's application object without knowing that class.

namespace worksheet {

struct ApplicationFlags {
    bool isOpened = false;  // the entry sheet has been shown by itself once
    bool isReady = false;   // a problem has been handed to the worksheet; nothing reads it

protected:
    ~ApplicationFlags() = default;
};

// The running application's flags; NilObjectException when the registered application keeps
// none, or before one is registered.
ApplicationFlags& Flags();

}  // namespace worksheet
