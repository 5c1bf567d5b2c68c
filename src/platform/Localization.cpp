#include "platform/Localization.h"

namespace {
std::function<std::string(const char*)>& localizerSlot() {
    static std::function<std::string(const char*)> localizer;
    return localizer;
}
} // namespace

std::string localizedString(const char* english) {
    const auto& localizer = localizerSlot();
    return localizer ? localizer(english) : std::string(english);
}

void setLocalizer(std::function<std::string(const char*)> localizer) {
    localizerSlot() = std::move(localizer);
}
