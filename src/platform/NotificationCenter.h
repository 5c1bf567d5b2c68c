// Delivers named change notifications from a sender to its observers.
//
// Delivery is synchronous: every observer registered for the name and that
// sender runs to completion inside postNotificationName, in the order of
// registration. Observers may remove themselves or others during a post; a
// removed observer is not called again, even later in the same post.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct Notification {
    std::string_view name;
    const void* object; // the sender
};

class NotificationCenter {
public:
    using Handler = std::function<void(const Notification&)>;

    // The process-wide centre.
    static NotificationCenter& defaultCenter();

    // An empty name observes every notification of the sender.
    void addObserver(const void* observer, std::string_view name, const void* sender,
                     Handler handler);
    // Drops every registration of observer.
    void removeObserver(const void* observer);
    void postNotificationName(std::string_view name, const void* sender);

private:
    struct Registration {
        const void* observer;
        std::string name;
        const void* sender;
        Handler handler;
        bool active = true;
    };
    std::vector<std::shared_ptr<Registration>> registrations_;
};
