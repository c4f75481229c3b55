#pragma once

#include <QString>
#include <QTimer>

#include "platform/form.h"

// A holder for a sequence timer that is never started. Created at start-up, never shown.
class Timers final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("Timers");

    explicit Timers(platform::Forms& forms);

    const QTimer& tmrSeq() const { return *tmrSeq_; }

private:
    QTimer* tmrSeq_ = nullptr;  // owned by the window; no interval, no handler, never fires
};
