#pragma once

#include <QString>

#include "platform/form.h"

// The notice for a game that cannot go on. The game never detects one, so nothing shows it.
class GameOver final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("GameOver");

    explicit GameOver(platform::Forms& forms);

private:
    void btnOK_Click();

    platform::Forms& forms_;
};
