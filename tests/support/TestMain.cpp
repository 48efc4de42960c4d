#include "support/TestRegistry.h"

#include <QApplication>
#include <QTest>

#include <cstring>
#include <memory>

namespace TestRegistry {

std::vector<std::pair<const char *, Factory>> &registry()
{
    static std::vector<std::pair<const char *, Factory>> r;
    return r;
}

int add(const char *name, Factory factory)
{
    registry().emplace_back(name, std::move(factory));
    return int(registry().size());
}

const std::vector<std::pair<const char *, Factory>> &all()
{
    return registry();
}

} // namespace TestRegistry

// Runs every registered class; "-class Name" picks one, other arguments go to QTest.
int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QStringList args = app.arguments();
    QString only;
    const qsizetype at = args.indexOf(QStringLiteral("-class"));
    if (at > 0 && at + 1 < args.size()) {
        only = args.at(at + 1);
        args.remove(at, 2);
    }
    int failed = 0;
    for (const auto &[name, factory] : TestRegistry::all()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        std::unique_ptr<QObject> test(factory());
        failed += QTest::qExec(test.get(), args);
    }
    return failed == 0 ? 0 : 1;
}
