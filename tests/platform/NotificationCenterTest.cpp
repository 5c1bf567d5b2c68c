#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

#include <string>

TEST(NotificationCenter, DeliversToObserversOfTheNameAndSenderInOrder) {
    NotificationCenter center;
    int a = 0, b = 0, first = 0, second = 0;
    std::string log;
    center.addObserver(&first, "Changed", &a, [&](const Notification& n) {
        EXPECT_TRUE(n.object == &a && n.name == "Changed");
        log += "1";
    });
    center.addObserver(&second, "Changed", &a, [&](const Notification&) { log += "2"; });
    center.addObserver(&second, "Other", &a, [&](const Notification&) { log += "o"; });
    center.addObserver(&second, "Changed", &b, [&](const Notification&) { log += "b"; });
    center.addObserver(&second, {}, &b, [&](const Notification& n) { log += n.name; });
    center.postNotificationName("Changed", &a);
    center.postNotificationName("Changed", &b);
    center.postNotificationName("X", &b);
    EXPECT_EQ(log, "12bChangedX");
    center.removeObserver(&second); // every registration of it
    center.postNotificationName("Changed", &a);
    center.postNotificationName("Other", &a);
    center.postNotificationName("X", &b);
    EXPECT_EQ(log, "12bChangedX1");
}

TEST(NotificationCenter, ObserversRemovedOrAddedDuringAPostWaitForTheNext) {
    NotificationCenter center;
    int sender = 0, first = 0, second = 0, third = 0;
    std::string log;
    center.addObserver(&first, "N", &sender, [&](const Notification&) {
        center.removeObserver(&second);
        center.removeObserver(&first);
        center.addObserver(&third, "N", &sender, [&](const Notification&) { log += "+"; });
    });
    center.addObserver(&second, "N", &sender, [&](const Notification&) { log += "2"; });
    center.addObserver(&third, "N", &sender, [&](const Notification&) { log += "3"; });
    center.postNotificationName("N", &sender);
    EXPECT_EQ(log, "3");
    center.postNotificationName("N", &sender);
    EXPECT_EQ(log, "33+");
}
