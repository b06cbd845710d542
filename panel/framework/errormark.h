#pragma once

#include <QString>

class QLabel;

// The error image a caption carries for a conflict or invalid input, and the
// one way to take it off again. A caption holds at most one mark, and taking
// it off gives back the caption exactly as it was.
class ErrorMark
{
public:
    // The rich-text fragment appended to a caption.
    static QString fragment();
    // The caption text without any mark, also one left by older forms.
    static QString removedFrom(const QString &text);
    static void append(QLabel *label);
    static void remove(QLabel *label);
};
