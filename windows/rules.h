#pragma once

#include <QString>

#include "platform/form.h"

// The rules of play in two paragraphs, reached from Info > Rules.
class Rules final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("Rules");

    explicit Rules(platform::Forms& forms);

private:
    void btnOK_Click();

    platform::Forms& forms_;
};
