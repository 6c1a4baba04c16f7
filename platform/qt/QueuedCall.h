#pragma once
// The stand-in for posting a message to a window: the call runs later, from the
// event loop, after the current handler has returned.

#include <QMetaObject>
#include <QObject>
#include <utility>

namespace platform {

template <class F> void PostCall(QObject* target, F&& call) {
    QMetaObject::invokeMethod(target, std::forward<F>(call), Qt::QueuedConnection);
}

} // namespace platform
