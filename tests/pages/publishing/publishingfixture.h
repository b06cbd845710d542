#pragma once

// Option stores for the Publishing page tests, read from the fixture PPDs.
// Once the PPD import is part of the build it makes them; until then the
// PPD's own options are copied here and the program-made cover, insert and
// interleave options with their levels and rules are added as the import
// adds them, so the tests run on the same store either way.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <cups/ppd.h>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"

#if __has_include("ppdimport.h")
#include "ppdimport.h"
#define HALVANE_TEST_IMPORT 1
#endif

namespace publishingfixture {

inline ppd_file_t *openFixture(const QString &name)
{
    const QByteArray path = QByteArray(HALVANE_FIXTURES) + '/' + name.toUtf8();
    ppd_file_t *ppd = ppdOpenFile(path.constData());
    if (!ppd)
        qFatal("cannot open fixture PPD %s", path.constData());
    return ppd;
}

#ifndef HALVANE_TEST_IMPORT
inline void copyPpdOptions(ppd_file_t *ppd, OptionStore *store)
{
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &source = group.options[o];
            auto *option = new kOption(QString::fromUtf8(source.keyword), QString::fromUtf8(source.text));
            option->setFromPpd(true);
            for (int c = 0; c < source.num_choices; ++c)
                option->addChoice(QString::fromUtf8(source.choices[c].choice),
                                  QString::fromUtf8(source.choices[c].text));
            option->setDefault(option->choiceByName(QString::fromUtf8(source.defchoice)));
            store->addOption(option);
        }
    }
    const QList<kOption *> options = store->options();
    for (kOption *option : options)
        option->select(option->defaultChoice());
}

inline void addPublishingOptions(OptionStore *store)
{
    if (!store->option("CvrM"))
        return;
    const QList<QPair<const char *, const char *>> made = {
        {"cCovBut", "Cover mode"},
        {"cCovTRad", "Cover mode front"},
        {"cCovBRad", "Cover mode front and back"},
        {"cCovPOFO", "Cover mode front outside"},
        {"cCovPOFI", "Cover mode front inside"},
        {"cCovPOBO", "Cover mode back outside"},
        {"cCovPOBI", "Cover mode back inside"},
        {"cInsBut", "Page insert mode"},
        {"cInsPrnF", "Page insert print onto front"},
        {"cInsPrnB", "Page insert print onto back"},
        {"cIntBut", "Transparency interleaving mode"},
        {"cIntPrn", "Transparency print onto backing"}};
    for (const auto &entry : made) {
        auto *option = new kOption(QString::fromLatin1(entry.first), QString::fromLatin1(entry.second));
        option->addChoice("False", "False");
        option->addChoice("True", "True");
        store->addOption(option);
    }

    const QList<QPair<const char *, int>> levels = {
        {"MediaType", 3}, {"Duplex", 5}, {"cCovBut", 7}, {"cIntBut", 7}, {"cInsBut", 7},
        {"cCovTRad", 8}, {"cCovBRad", 8}, {"cCovPOFO", 8}, {"cCovPOFI", 8}, {"cCovPOBO", 8},
        {"cCovPOBI", 8}, {"cInsPrnF", 8}, {"cInsPrnB", 8}, {"cIntPrn", 8}, {"CvrM", 8},
        {"Pmed", 8}, {"Tmed", 8}};
    for (const auto &level : levels) {
        if (store->option(level.first))
            store->setLevel(level.first, level.second);
    }

    const QList<QStringList> rules = {
        {"cCovBut", "False", "cCovPOFI", "True"}, {"cCovBut", "False", "cCovPOFO", "True"},
        {"cCovBut", "False", "cCovPOBI", "True"}, {"cCovBut", "False", "cCovPOBO", "True"},
        {"cCovBRad", "False", "cCovPOBI", "True"}, {"cCovBRad", "False", "cCovPOBO", "True"},
        {"cInsBut", "False", "cInsPrnF", "True"}, {"cInsBut", "False", "cInsPrnB", "True"},
        {"cIntBut", "False", "cIntPrn", "True"}, {"cCovBut", "True", "cIntBut", "True"},
        {"cInsBut", "True", "cIntBut", "True"}, {"cCovPOFI", "True", "Duplex", "None"},
        {"cCovPOBO", "True", "Duplex", "None"}, {"cInsPrnB", "True", "Duplex", "None"}};
    for (const QStringList &rule : rules)
        store->addConstraint(rule.at(0), rule.at(1), rule.at(2), rule.at(3));
    if (kOption *mediaType = store->option("MediaType")) {
        const QList<kChoice *> choices = mediaType->choices();
        for (const kChoice *choice : choices) {
            if (choice->name() != QLatin1String("Transparency"))
                store->addConstraint("cIntBut", "True", "MediaType", choice->name());
        }
    }
}
#endif

// A new store from tests/fixtures/<name>, for the queue "PubQueue".
inline OptionStore *storeFrom(const QString &name)
{
    ppd_file_t *ppd = openFixture(name);
    auto *store = new OptionStore;
    store->setPrinterName(QStringLiteral("PubQueue"));
#ifdef HALVANE_TEST_IMPORT
    importPpd(ppd, store);
#else
    copyPpdOptions(ppd, store);
    addPublishingOptions(store);
#endif
    ppdClose(ppd);
    return store;
}

inline bool importedByTheProgram()
{
#ifdef HALVANE_TEST_IMPORT
    return true;
#else
    return false;
#endif
}
}
