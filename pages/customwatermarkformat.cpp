#include "customwatermarkformat.h"

#include <QByteArray>

#include <climits>

namespace {
// A field as strtol reads it: leading white space, a sign, then digits up to
// the first other character; no digits give 0. Out-of-range values stop at
// the ends of int.
int readNumber(const QByteArray &field)
{
    int at = 0;
    while (at < field.size() && QChar::isSpace(uchar(field.at(at))))
        ++at;
    bool negative = false;
    if (at < field.size() && (field.at(at) == '-' || field.at(at) == '+')) {
        negative = field.at(at) == '-';
        ++at;
    }
    qint64 value = 0;
    for (; at < field.size() && field.at(at) >= '0' && field.at(at) <= '9'; ++at) {
        value = value * 10 + (field.at(at) - '0');
        if (value > qint64(INT_MAX) + 1)
            value = qint64(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    return int(qBound(qint64(INT_MIN), value, qint64(INT_MAX)));
}
}

const QStringList &CustomWatermarkFormat::fieldNames()
{
    static const QStringList names = {QStringLiteral("font"),  QStringLiteral("size"),
                                      QStringLiteral("color"), QStringLiteral("angle"),
                                      QStringLiteral("style"), QStringLiteral("fill"),
                                      QStringLiteral("repeat")};
    return names;
}

QString CustomWatermarkFormat::storedLine(const QString &name, const CustomWatermark &record)
{
    QStringList numbers;
    for (const QString &field : fieldNames())
        numbers << QString::number(record.value(field, 0));
    return name + QLatin1Char('=') + numbers.join(QLatin1Char(' '));
}

bool CustomWatermarkFormat::parseStoredLine(const QString &value, QString *name, CustomWatermark *record)
{
    const int separator = value.lastIndexOf(QLatin1Char('='));
    if (separator < 0)
        return false;
    const QList<QByteArray> fields = value.mid(separator + 1).toUtf8().split(' ');
    CustomWatermark read;
    int next = 0;
    for (const QByteArray &field : fields) {
        if (field.isEmpty())
            continue; // a run of blanks separates like one
        if (next == fieldNames().size())
            break;
        read.insert(fieldNames().at(next++), readNumber(field));
    }
    for (; next < fieldNames().size(); ++next)
        read.insert(fieldNames().at(next), 0);
    *name = value.left(separator);
    *record = read;
    return true;
}

QString CustomWatermarkFormat::printerForm(const QString &text)
{
    QString form = text;
    // Backslashes first, so the escapes added below stay single.
    form.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    form.replace(QLatin1Char('"'), QLatin1String("\\\""));
    form.replace(QLatin1Char(' '), QLatin1String("\\ "));
    for (const char special : {'!', '#', '$', '@'})
        form.replace(QLatin1Char(special), QLatin1String("\\") + QLatin1Char(special));
    return QLatin1Char('"') + form + QLatin1Char('"');
}
