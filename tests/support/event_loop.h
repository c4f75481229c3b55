#pragma once

#include <QCoreApplication>
#include <QTimer>
#include <functional>

// Whether `action`, done from the running event loop, makes the program leave it with status 0,
// as main() returns. An action that does not leave it is given five seconds.
inline bool leavesTheEventLoop(const std::function<void()>& action) {
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    giveUp.start(5000);
    QTimer::singleShot(0, action);
    return QCoreApplication::exec() == 0;
}
