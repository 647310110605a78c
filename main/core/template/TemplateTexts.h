#pragma once

#include <QString>

#include <vector>

namespace templatestore {

// The ticker's system messages: entries 1..count hold the messages and the pages
// they lead to ("" for none); entry 0 stays empty.
struct SystemMessages {
    std::vector<QString> mMessages{QString()};
    std::vector<QString> mMessageLinks{QString()};
    int mMessageCount = 0;

    // "" for an index outside the loaded entries, so a ticker never reads past them.
    QString message(int index) const;
    QString link(int index) const;
};

// The tips of the edition: entries 1..t hold the tips. mTipCount is t + 1 after a
// complete load (the ticker wraps when its index reaches it) and t when the load
// stopped early.
struct Tips {
    std::vector<QString> mTips{QString()};
    int mTipCount = 0;

    // "" for an index outside the loaded entries.
    QString tip(int index) const;
    // The number of tips actually stored.
    int storedCount() const { return static_cast<int>(mTips.size()) - 1; }
};

// One entry of the slide-in link menu.
struct MenuLink {
    QString text;
    QString link;
};

}  // namespace templatestore
