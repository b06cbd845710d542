#pragma once

// For the Watermark page tests: the sample queue's PPD with lines changed,
// added or taken out, and what the page's text list shows after its
// separator.

#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace watermarkfixture {

const QString samplePpd = QStringLiteral(HALVANE_FIXTURES "/cups-watermark.ppd");

// The sample PPD with each line equal to a key replaced by its value: an
// empty value takes the line out, a value with line feeds adds lines.
inline QString editedPpd(const QTemporaryDir &dir, const QHash<QString, QString> &edits)
{
    QFile in(samplePpd);
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(samplePpd));
    QStringList lines = QString::fromUtf8(in.readAll()).split(QLatin1Char('\n'));
    QStringList kept;
    for (const QString &line : qAsConst(lines)) {
        const auto edit = edits.constFind(line);
        if (edit == edits.constEnd())
            kept << line;
        else if (!edit.value().isEmpty())
            kept << edit.value();
    }
    static int serial = 0;
    const QString path = dir.filePath(QStringLiteral("watermark-%1.ppd").arg(++serial));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(kept.join(QLatin1Char('\n')).toUtf8()) < 0)
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// The items after the list's separator; "<no separator>" when it has none.
inline QStringList customItems(const QComboBox *list)
{
    for (int item = 1; item < list->count(); ++item) {
        if (!list->itemText(item).isEmpty())
            continue;
        QStringList names;
        for (int after = item + 1; after < list->count(); ++after)
            names << list->itemText(after);
        return names;
    }
    return {QStringLiteral("<no separator>")};
}

inline QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int item = 0; item < list->count(); ++item)
        texts << list->itemText(item);
    return texts;
}

}
