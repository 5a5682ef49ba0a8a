#include "generate/SanitizeSetName.h"

namespace {

bool IsKeptBelow0100(char16_t unit) {
    return (unit >= u'0' && unit <= u'9') || (unit >= u'A' && unit <= u'Z') ||
           (unit >= u'a' && unit <= u'z') || unit == 0x00B2 || unit == 0x00B3 || unit == 0x00B9 ||
           (unit >= 0x00C0 && unit <= 0x00D6) || (unit >= 0x00D8 && unit <= 0x00F6) ||
           (unit >= 0x00F8 && unit <= 0x00FF);
}

char16_t AsciiUpper(char16_t unit) {
    return unit >= u'a' && unit <= u'z' ? unit - 32 : unit;
}

bool IsDeviceDigit(char16_t unit) {
    return (unit >= u'1' && unit <= u'9') || unit == 0x00B9 || unit == 0x00B2 || unit == 0x00B3;
}

}  // namespace

std::u16string SanitizeSetName(const std::u16string& name, SystemOperations& system) {
    std::u16string sanitized = name;
    for (char16_t& unit : sanitized) {
        const bool kept =
            unit < 0x0100 ? IsKeptBelow0100(unit) : unit != 0xFFFF && system.IsLetterOrDigit(unit);
        if (!kept) {
            unit = u'_';
        }
    }
    return sanitized;
}

bool IsReservedDeviceName(const std::u16string& name) {
    std::u16string upper;
    for (char16_t unit : name) {
        upper += AsciiUpper(unit);
    }
    if (upper == u"CON" || upper == u"PRN" || upper == u"AUX" || upper == u"NUL") {
        return true;
    }
    return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) &&
           IsDeviceDigit(upper[3]);
}
