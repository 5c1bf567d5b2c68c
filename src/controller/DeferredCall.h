// One call once the present event is handled, however often it is asked for
// before then: a panel that follows many notifications shows their end
// state once.
#pragma once

#include <QMetaObject>
#include <QObject>

#include <utility>

// pending is the caller's own flag, set while a call waits.
template <class Call> void callOnceLater(QObject* context, bool& pending, Call call) {
    if (pending) return;
    pending = true;
    QMetaObject::invokeMethod(
        context,
        [&pending, call = std::move(call)] {
            pending = false;
            call();
        },
        Qt::QueuedConnection);
}
