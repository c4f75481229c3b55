#pragma once

#include <QString>
#include <cstdint>

#include "platform/controls.h"
#include "platform/form.h"

// About the program: name, version, rights and author, and two icons that take turns when
// clicked. Reached from Info > About > Ketterline.
class AboutKetterline final : public platform::Form {
    Q_OBJECT

public:
    static inline const QString kName = QStringLiteral("AboutKetterline");

    explicit AboutKetterline(platform::Forms& forms);

    // Shows the product icon.
    void Form_Load() override;

    // 0 while the product icon shows, 1 while the maker's does.
    std::int16_t iconState() const { return IconState; }
    const platform::PictureBox& icnKetterline() const { return *icnKetterline_; }
    const platform::PictureBox& icnDravonne() const { return *icnDravonne_; }

private:
    void icnKetterline_Click();
    void icnDravonne_Click();
    void Ok_Click();

    platform::Forms& forms_;
    std::int16_t IconState = 0;
    // Exactly one of the two is visible; a hidden box takes no clicks, so a click always
    // lands on the one that IconState names.
    platform::PictureBox* icnKetterline_ = nullptr;  // owned by the client area
    platform::PictureBox* icnDravonne_ = nullptr;
};
