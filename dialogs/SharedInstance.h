#pragma once

#include <QCoreApplication>
#include <QPointer>

// The one instance of a dialog that lives for the whole run: made on first use,
// freed when the event loop ends.
template<typename T>
T *sharedInstance()
{
    static QPointer<T> instance;
    if (!instance) {
        instance = new T;
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, instance.data(),
                         &QObject::deleteLater);
    }
    return instance.data();
}
