#pragma once

#include <QObject>
#include <functional>
#include <vector>

// Test classes register themselves here; one executable per module runs them all.
// TW_ONLY=ClassName runs one class; arguments after the program name go to QTest.
struct TestRegistry {
    using Factory = std::function<QObject*()>;
    static std::vector<std::pair<const char*, Factory>>& all() {
        static std::vector<std::pair<const char*, Factory>> list;
        return list;
    }
    TestRegistry(const char* name, Factory f) { all().emplace_back(name, std::move(f)); }
};

#define TW_TEST(Class) static TestRegistry tw_registered_##Class(#Class, [] { return new Class; });
