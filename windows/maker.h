#pragma once

#include <QString>
#include <QStringView>

// What the About windows tell about the program's maker and author. The addresses are kept
// short on purpose: each stands after a run of spaces in a one-line label, and a longer one
// would wrap below the label's edge and vanish.
namespace maker {

inline constexpr QStringView kAuthor = u"Peter Lindqvist";
inline constexpr QStringView kRightsNotice = u"\u00a9 1997 Dravonne Software";
inline constexpr QStringView kWebAddress = u"www.dravonne.example";
inline constexpr QStringView kCommentsAddress = u"comments@dravonne.example";
inline constexpr QStringView kHomePageRequestAddress = u"url@dravonne.example";

}  // namespace maker
