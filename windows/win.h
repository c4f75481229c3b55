#pragma once

#include <QString>

#include "platform/form.h"

// The congratulation for a won game. The game never detects a win, so nothing shows it.
class Win final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("Win");

    explicit Win(platform::Forms& forms);

private:
    void btnOK_Click();

    platform::Forms& forms_;
};
