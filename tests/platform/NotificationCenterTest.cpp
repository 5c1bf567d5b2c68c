#include "platform/NotificationCenter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(NotificationCenter, DeliversByNameAndSenderInRegistrationOrder) {
    NotificationCenter center;
    int senderA = 0, senderB = 0;
    int observer1 = 0, observer2 = 0;
    std::vector<std::string> log;
    center.addObserver(&observer1, "Changed", &senderA,
                       [&](const Notification& n) {
                           EXPECT_EQ(n.object, &senderA);
                           EXPECT_EQ(n.name, "Changed");
                           log.push_back("1");
                       });
    center.addObserver(&observer2, "Changed", &senderA, [&](const Notification&) {
        log.push_back("2");
    });
    center.addObserver(&observer2, "Other", &senderA, [&](const Notification&) {
        log.push_back("other");
    });
    center.addObserver(&observer2, "Changed", &senderB, [&](const Notification&) {
        log.push_back("B");
    });

    center.postNotificationName("Changed", &senderA);
    EXPECT_EQ(log, (std::vector<std::string>{"1", "2"}));
    log.clear();
    center.postNotificationName("Changed", &senderB);
    EXPECT_EQ(log, (std::vector<std::string>{"B"})) << "only observers of that sender";
    log.clear();
    center.postNotificationName("Unobserved", &senderA);
    EXPECT_TRUE(log.empty());
}

TEST(NotificationCenter, RemoveObserverDropsEveryRegistration) {
    NotificationCenter center;
    int sender = 0, observer = 0, other = 0;
    int calls = 0, otherCalls = 0;
    center.addObserver(&observer, "A", &sender, [&](const Notification&) { ++calls; });
    center.addObserver(&observer, "B", &sender, [&](const Notification&) { ++calls; });
    center.addObserver(&other, "A", &sender, [&](const Notification&) { ++otherCalls; });
    center.removeObserver(&observer);
    center.postNotificationName("A", &sender);
    center.postNotificationName("B", &sender);
    EXPECT_EQ(calls, 0);
    EXPECT_EQ(otherCalls, 1);
}

TEST(NotificationCenter, RemovalDuringAPostIsSafe) {
    NotificationCenter center;
    int sender = 0, first = 0, second = 0, third = 0;
    int secondCalls = 0, thirdCalls = 0, addedCalls = 0;
    // The first observer removes the second, then itself, and adds a new one.
    center.addObserver(&first, "N", &sender, [&](const Notification&) {
        center.removeObserver(&second);
        center.removeObserver(&first);
        center.addObserver(&third, "N", &sender, [&](const Notification&) { ++addedCalls; });
    });
    center.addObserver(&second, "N", &sender, [&](const Notification&) { ++secondCalls; });
    center.addObserver(&third, "N", &sender, [&](const Notification&) { ++thirdCalls; });

    center.postNotificationName("N", &sender);
    EXPECT_EQ(secondCalls, 0) << "removed before its turn in the same post";
    EXPECT_EQ(thirdCalls, 1);
    EXPECT_EQ(addedCalls, 0) << "added during the post: waits for the next one";

    center.postNotificationName("N", &sender);
    EXPECT_EQ(thirdCalls, 2);
    EXPECT_EQ(addedCalls, 1);
}
