#pragma once

#include <QString>

#include "platform/form.h"

// Where to read about the program's author, reached from Info > About > Author.
class AboutAuthor final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("AboutAuthor");

    explicit AboutAuthor(platform::Forms& forms);

private:
    void Ok_Click();

    platform::Forms& forms_;
};
