#include "worksheet/application_flags.h"

#include "framework/runtime.h"

namespace worksheet {

ApplicationFlags& Flags() {
    auto* flags = dynamic_cast<ApplicationFlags*>(framework::Runtime::Current().AppObject());
    if (!flags) throw framework::NilObjectException();
    return *flags;
}

}  // namespace worksheet
