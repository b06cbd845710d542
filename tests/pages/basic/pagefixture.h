#pragma once
// Shared by the page tests of the Basic, Layout and Finishing pages: option
// stores from the fixture PPDs (or from variants of them with options or
// choices taken out), a settings file to reload from, and a stand-in for the
// main dialog that records what its slots see.

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

#include <cups/ppd.h>

#if __has_include("ppdimport.h")
#include "ppdimport.h"
#define HALVANE_PAGE_TEST_IMPORT 1
#endif

namespace pagefixture {

inline QString fixturePath(const QString &name)
{
    return QStringLiteral(HALVANE_FIXTURES "/") + name;
}

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

#ifndef HALVANE_PAGE_TEST_IMPORT
// Until the PPD import is part of the build: the PPD's options with their
// defaults marked and its pairwise rules, then the program's finishing mode
// options with their rule between the two fold modes.
inline void importForTest(ppd_file_t *ppd, OptionStore *store)
{
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &source = group.options[o];
            auto *option = new kOption(QString::fromLatin1(source.keyword), QString::fromLatin1(source.text));
            option->setFromPpd(true);
            for (int c = 0; c < source.num_choices; ++c)
                option->addChoice(QString::fromLatin1(source.choices[c].choice), QString::fromLatin1(source.choices[c].text));
            option->setDefault(option->choiceByName(QString::fromLatin1(source.defchoice)));
            store->addOption(option);
        }
    }
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t &rule = ppd->consts[i];
        store->addConstraint(QString::fromLatin1(rule.option1), QString::fromLatin1(rule.choice1),
                             QString::fromLatin1(rule.option2), QString::fromLatin1(rule.choice2));
    }
    for (kOption *option : store->options())
        option->select(option->defaultChoice());
    const auto addMode = [store](const char *keyword, const char *text) {
        auto *option = new kOption(QString::fromLatin1(keyword), QString::fromLatin1(text));
        option->addChoice(QStringLiteral("False"), QStringLiteral("False"));
        option->addChoice(QStringLiteral("True"), QStringLiteral("True"));
        option->setLevel(6);
        store->addOption(option);
    };
    if (store->option(QStringLiteral("FldA"))) {
        addMode("cBiFld", "Bi-fold Mode");
        addMode("cTriFld", "Tri-fold Mode");
        store->addConstraint(QStringLiteral("cTriFld"), QStringLiteral("True"), QStringLiteral("cBiFld"), QStringLiteral("True"));
    }
    if (store->option(QStringLiteral("Pnch")))
        addMode("cHole", "Punch Mode");
    if (store->option(QStringLiteral("Stpl")))
        addMode("cStpl", "Staple Mode");
}
#endif

// A new store for the queue "PageQueue" from a PPD file.
inline OptionStore *storeFromPpd(const QString &path)
{
    ppd_file_t *ppd = ppdOpenFile(QFile::encodeName(path).constData());
    if (!ppd)
        qFatal("cannot open PPD %s", qPrintable(path));
    auto *store = new OptionStore;
    store->setPrinterName(QStringLiteral("PageQueue"));
#ifdef HALVANE_PAGE_TEST_IMPORT
    importPpd(ppd, store);
#else
    importForTest(ppd, store);
#endif
    ppdClose(ppd);
    return store;
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

inline QString markedName(const QString &keyword)
{
    kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    if (!option)
        return QStringLiteral("<no option>");
    return option->markedChoice() ? option->markedChoice()->name() : QStringLiteral("<none>");
}

inline bool isBlocked(const QString &keyword, const QString &choice)
{
    kOption *option = currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
    kChoice *found = option ? option->choiceByName(choice) : nullptr;
    if (!found)
        qFatal("no choice %s of %s", qPrintable(choice), qPrintable(keyword));
    return found->isConstrained();
}

}

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
