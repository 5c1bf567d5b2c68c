#include "platform/NotificationCenter.h"

#include <algorithm>

NotificationCenter& NotificationCenter::defaultCenter() {
    static NotificationCenter center;
    return center;
}

void NotificationCenter::addObserver(const void* observer, std::string_view name,
                                     const void* sender, Handler handler) {
    registrations_.push_back(std::make_shared<Registration>(
        Registration{observer, std::string(name), sender, std::move(handler)}));
}

void NotificationCenter::removeObserver(const void* observer) {
    std::erase_if(registrations_, [observer](const auto& registration) {
        if (registration->observer != observer)
            return false;
        registration->active = false; // a post in progress may still hold it
        return true;
    });
}

void NotificationCenter::postNotificationName(std::string_view name, const void* sender) {
    // Deliver to the registrations present when the post began; ones removed
    // meanwhile are skipped, ones added meanwhile wait for the next post.
    std::vector<std::shared_ptr<Registration>> targets;
    for (const auto& registration : registrations_)
        if (registration->sender == sender &&
            (registration->name.empty() || registration->name == name))
            targets.push_back(registration);

    const Notification notification{name, sender};
    for (const auto& registration : targets)
        if (registration->active)
            registration->handler(notification);
}
