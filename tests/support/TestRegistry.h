#pragma once

#include <QObject>

#include <functional>
#include <vector>

// Each test class of a folder registers itself; the folder's one executable
// runs them all (see TestMain.cpp). Usage, at the end of a test file:
//   VR_TEST(TestIniFile)
namespace TestRegistry {
using Factory = std::function<QObject *()>;
int add(const char *name, Factory factory);
const std::vector<std::pair<const char *, Factory>> &all();
}

#define VR_TEST(Class) \
    static const int vr_test_registered_##Class = TestRegistry::add(#Class, [] { return new Class; });
