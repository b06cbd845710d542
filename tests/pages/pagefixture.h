#pragma once
// Shared by the page tests (Basic, Layout, Finishing, Job, Watermark) and
// the profile tests: option stores from the fixture PPDs (or from variants of
// them with options or choices taken out), a settings file to reload from,
// and a stand-in for the main dialog that records what its slots see.

#include "fixturestore.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "sessionstate.h"
#include "settingsfile.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

namespace pagefixture {

using fixturestore::fixturePath;

// The fixture's text without the OpenUI blocks of the named options and
// without the lines that start with one of dropLines (single choices).
inline QString writeVariant(const QTemporaryDir &dir, const QString &fixture, const QStringList &dropOptions,
                            const QStringList &dropLines = {})
{
    QFile in(fixturePath(fixture));
    if (!in.open(QIODevice::ReadOnly))
        qFatal("cannot read fixture %s", qPrintable(fixture));
    const QStringList lines = QString::fromLatin1(in.readAll()).split(QLatin1Char('\n'));
    QStringList kept;
    QString skipping;
    for (const QString &line : lines) {
        if (skipping.isEmpty()) {
            for (const QString &keyword : dropOptions) {
                if (line.startsWith(QStringLiteral("*OpenUI *") + keyword + QLatin1Char('/')))
                    skipping = keyword;
            }
        }
        if (!skipping.isEmpty()) {
            if (line.startsWith(QStringLiteral("*CloseUI: *") + skipping))
                skipping.clear();
            continue;
        }
        bool drop = false;
        for (const QString &prefix : dropLines)
            drop = drop || line.startsWith(prefix);
        for (const QString &keyword : dropOptions)
            drop = drop || (line.startsWith(QStringLiteral("*UIConstraints:")) && line.contains(QLatin1Char('*') + keyword + QLatin1Char(' ')));
        if (!drop)
            kept << line;
    }
    static int serial = 0;
    const QString path = dir.filePath(QStringLiteral("variant-%1.ppd").arg(++serial));
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    out.write(kept.join(QLatin1Char('\n')).toLatin1());
    return path;
}

// A new store for the queue "PageQueue" from a PPD file.
inline OptionStore *storeFromPpd(const QString &path)
{
    return fixturestore::importFixture(path, QStringLiteral("PageQueue"));
}

// Makes the store current, with the settings file holding lines (a snapshot
// written the way the program writes it), or none when lines is empty.
inline void useStore(OptionStore *store, const QTemporaryDir &dir, const QList<QPair<QString, QString>> &lines = {})
{
    delete currentOptionStore;
    currentOptionStore = store;
    userDataDir = dir.path() + QLatin1Char('/');
    const QString path = dir.filePath(QStringLiteral("PageQueue.cfg"));
    QFile::remove(path);
    if (!lines.isEmpty()) {
        SettingsSnapshot snapshot;
        for (const auto &line : lines)
            snapshot.insert(line.first, line.second);
        if (!writeProfileFile(path, snapshot, true))
            qFatal("cannot write the settings file %s", qPrintable(path));
    }
    activeSettingsPath = path;
}

using fixturestore::markedName;

inline bool isBlocked(const QString &keyword, const QString &choice)
{
    kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    kChoice *found = option ? option->choiceByName(choice) : nullptr;
    if (!found)
        qFatal("no choice %s of %s", qPrintable(choice), qPrintable(keyword));
    return found->isConstrained();
}

}

// What every page test here starts from: a folder for the variants and the
// settings file, and no store left current after a test function.
class PageTest : public QObject
{
    Q_OBJECT
protected:
    QTemporaryDir m_dir;
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void cleanup()
    {
        delete currentOptionStore;
        currentOptionStore = nullptr;
    }
};

// Stands in for the main dialog at page level: its slots record the marked
// choice of one option at the moment they run.
class DialogRecorder : public QWidget
{
    Q_OBJECT
public:
    QString watched;
    QStringList log;
public slots:
    void setConstraints() { log << QStringLiteral("pass:") + pagefixture::markedName(watched); }
    void toggleColorMode() { log << QStringLiteral("toggle:") + pagefixture::markedName(watched); }
};
