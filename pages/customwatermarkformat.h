#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// One custom watermark: the indices of the Watermark page's lists and its
// repeat flag, by field name. A field that is absent reads as 0.
using CustomWatermark = QHash<QString, int>;

// The forms a custom watermark takes outside the page: its line in the
// settings file and the text the printer gets. Kept apart from the page so
// they can be checked without widgets.
class CustomWatermarkFormat
{
public:
    // "font", "size", "color", "angle", "style", "fill", "repeat": the
    // order of the numbers in a stored line.
    static const QStringList &fieldNames();

    // The stored value "NAME=font size color angle style fill repeat"; the
    // name goes in verbatim, whatever it holds.
    static QString storedLine(const QString &name, const CustomWatermark &record);

    // Reads a stored value back. The name ends at the last "=", so names
    // holding "=" come back whole; false for a value without "=". Every
    // field gets a number: one that is missing or holds no digits reads 0.
    static bool parseStoredLine(const QString &value, QString *name, CustomWatermark *record);

    // The value of "Wtxt" for a custom text: blanks and the characters the
    // option parser of lpoptions treats specially escaped with a backslash,
    // the whole in double quotes, so the printer gets the text as typed.
    static QString printerForm(const QString &text);
};
