#include "core/number_text.h"

namespace core {

framework::String DigitsAndFirstPoint(std::string_view text) {
    framework::String kept;
    bool point = false;
    for (char c : text) {
        if (c >= '0' && c <= '9') {
            kept += c;
        } else if (c == '.' && !point) {
            kept += c;
            point = true;
        }
    }
    return kept;
}

}  // namespace core
