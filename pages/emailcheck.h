#pragma once

#include <QString>

// The rules an e-mail notice address must follow, in the order they are
// tried; kept apart from the page so they can be checked without widgets.
// The whole text is checked, whatever its length.
class EmailCheck
{
public:
    enum Outcome {
        Accepted,
        DoubleQuote, // shown in the red label, not on the caption
        Empty,
        BadFormat,
        Spaces,
        NotAscii
    };

    // Longer UTF-8 forms are no address a printer takes; they get the format
    // message.
    static constexpr int maxBytes = 128;

    static Outcome check(const QString &address);
};
