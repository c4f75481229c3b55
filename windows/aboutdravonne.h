#pragma once

#include <QString>

#include "platform/controls.h"
#include "platform/form.h"

// About the program's maker: its logo, web address and the e-mail address that answers
// home-page requests. Reached from Info > About > Dravonne.
class AboutDravonne final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("AboutDravonne");

    explicit AboutDravonne(platform::Forms& forms);

    void Form_Load() override;

    const platform::PictureBox& icnDravonne() const { return *icnDravonne_; }

private:
    void Ok_Click();

    platform::Forms& forms_;
    platform::PictureBox* icnDravonne_ = nullptr;  // owned by the client area
};
