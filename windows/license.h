#pragma once

#include <QString>

#include "platform/form.h"

// A note on where the licence agreement and registration details can be read, reached from
// Info > License.
class License final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("License");

    explicit License(platform::Forms& forms);

private:
    void Ok_Click();

    platform::Forms& forms_;
};
