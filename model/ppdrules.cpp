#include "ppdrules.h"

#include <QStringList>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdimport.h"

namespace {

const QString True = QStringLiteral("True");
const QString False = QStringLiteral("False");

void addAgainst(OptionStore *store, const QString &keyword, const QString &choice,
                const QList<OptionChoice> &partners)
{
    for (const OptionChoice &partner : partners)
        store->addConstraint(keyword, choice, partner.first->keyword(), partner.second->name());
}

QList<OptionChoice> partnersOf(OptionStore *store, const char *keyword, const char *choiceName)
{
    kOption *option = store->option(QLatin1String(keyword));
    kChoice *choice = option ? option->choiceByName(QLatin1String(choiceName)) : nullptr;
    return choice ? choice->conflicts() : QList<OptionChoice>();
}

// Partners of every choice but "None", each once.
QList<OptionChoice> partnersOfAllButNone(OptionStore *store, const char *keyword)
{
    QList<OptionChoice> gathered;
    kOption *option = store->option(QLatin1String(keyword));
    if (!option)
        return gathered;
    for (kChoice *choice : option->choices()) {
        if (choice->name() == QLatin1String("None"))
            continue;
        for (const OptionChoice &partner : choice->conflicts()) {
            if (!gathered.contains(partner))
                gathered.append(partner);
        }
    }
    return gathered;
}

// Partners of keyword=choice whose option is weaker (a higher level) than
// the option they would be copied onto.
QList<OptionChoice> weakerPartners(OptionStore *store, const char *keyword, const char *choice,
                                   const kOption *than)
{
    QList<OptionChoice> weaker;
    for (const OptionChoice &partner : partnersOf(store, keyword, choice)) {
        if (partner.first->level() > than->level())
            weaker.append(partner);
    }
    return weaker;
}

} // namespace

void addFinishingOptions(ppd_file_t *ppd, OptionStore *store)
{
    if (ppdFindOption(ppd, "FldA")) {
        auto add = [store](const char *keyword, const char *text) {
            auto *option = new kOption(QLatin1String(keyword), QLatin1String(text));
            option->addChoice(False, False);
            option->addChoice(True, True);
            store->addOption(option);
        };
        add("cBiFld", "Bi-fold Mode");
        add("cTriFld", "Tri-fold Mode");
    }
    if (ppdFindOption(ppd, "Pnch")) {
        auto *option = new kOption(QStringLiteral("cHole"), QStringLiteral("Punch Mode"));
        option->addChoice(False, False);
        option->addChoice(True, True);
        store->addOption(option);
    }
    if (ppdFindOption(ppd, "Stpl")) {
        auto *option = new kOption(QStringLiteral("cStpl"), QStringLiteral("Staple Mode"));
        option->addChoice(False, False);
        option->addChoice(True, True);
        store->addOption(option);
    }
    copyFinishingRules(ppd, store);
}

void copyFinishingRules(ppd_file_t *ppd, OptionStore *store)
{
    // Only the PPD's own constraints exist yet, and no level is compared.
    if (ppdFindOption(ppd, "FldA")) {
        addAgainst(store, "cBiFld", True, partnersOf(store, "FldA", "Bifold"));
        addAgainst(store, "cTriFld", True, partnersOf(store, "FldA", "Trifold"));
        store->addConstraint("cTriFld", True, "cBiFld", True);
    }
    if (ppdFindOption(ppd, "Pnch"))
        addAgainst(store, "cHole", True, partnersOfAllButNone(store, "Pnch"));
    if (ppdFindOption(ppd, "Stpl"))
        addAgainst(store, "cStpl", True, partnersOfAllButNone(store, "Stpl"));
}

void addCoverRules(OptionStore *store)
{
    static const char *const rules[][4] = {
        {"cCovBut", "False", "cCovPOFI", "True"},
        {"cCovBut", "False", "cCovPOFO", "True"},
        {"cCovBut", "False", "cCovPOBI", "True"},
        {"cCovBut", "False", "cCovPOBO", "True"},
        {"cCovBRad", "False", "cCovPOBI", "True"},
        {"cCovBRad", "False", "cCovPOBO", "True"},
        {"cInsBut", "False", "cInsPrnF", "True"},
        {"cInsBut", "False", "cInsPrnB", "True"},
        {"cIntBut", "False", "cIntPrn", "True"},
        {"cCovBut", "True", "cIntBut", "True"},
        {"cInsBut", "True", "cIntBut", "True"},
    };
    for (const auto &rule : rules)
        store->addConstraint(rule[0], rule[1], rule[2], rule[3]);
}

void addJobRule(OptionStore *store)
{
    store->addConstraint("cJobAccount", True, "cUserLogin", True);
}

void addBuiltinConstraints(OptionStore *store)
{
    static const char *const beforeMediaType[][4] = {
        {"cCovBut", "True", "ZVBooklet", "Left"},
        {"cInsBut", "True", "ZVBooklet", "Left"},
        {"cIntBut", "True", "ZVBooklet", "Left"},
        {"cCovBut", "True", "ZVBooklet", "Right"},
        {"cInsBut", "True", "ZVBooklet", "Right"},
        {"cIntBut", "True", "ZVBooklet", "Right"},
        {"cCovPOFI", "True", "Duplex", "None"},
        {"cCovPOBO", "True", "Duplex", "None"},
        {"cInsPrnB", "True", "Duplex", "None"},
    };
    static const char *const afterMediaType[][4] = {
        {"cCovBut", "True", "Coll", "False"},
        {"cInsBut", "True", "Coll", "False"},
        {"cIntBut", "True", "Coll", "False"},
        {"cJobStore", "True", "Coll", "False"},
        {"cSuper", "True", "Coll", "False"},
        {"TPXToggle", "Off", "TPXDuplex", "On"},
        {"TPXToggle", "Off", "TPXThriftink", "On"},
        {"TPXToggle", "Off", "TPXColorMode", "On"},
        {"TPXDuplex", "On", "Duplex", "None"},
        {"TPXThriftink", "On", "Thft", "Off"},
        {"TPXColorMode", "On", "ColorModel", "CMYK"},
        {"TPXColorMode", "On", "ColorModel", "RGB"},
        {"TPXToggle", "On", "cJobAccount", "True"},
        {"TPXToggle", "On", "cUserLogin", "True"},
        {"TPXToggle", "On", "cJobStore", "True"},
        {"TPXToggle", "On", "cCovBut", "True"},
        {"TPXToggle", "On", "cInsBut", "True"},
        {"TPXToggle", "On", "cIntBut", "True"},
        {"Wren", "False", "Wflg", "True"},
        {"ColorModel", "Gray", "Wclr", "Red"},
        {"ColorModel", "Gray", "Wclr", "Green"},
        {"ColorModel", "Gray", "Wclr", "Blue"},
    };
    for (const auto &rule : beforeMediaType)
        store->addConstraint(rule[0], rule[1], rule[2], rule[3]);
    // Interleaving transparencies needs the transparency media type.
    if (kOption *mediaType = store->option(QStringLiteral("MediaType"))) {
        for (kChoice *choice : mediaType->choices()) {
            if (choice->name() != QLatin1String("Transparency"))
                store->addConstraint("cIntBut", True, "MediaType", choice->name());
        }
    }
    for (const auto &rule : afterMediaType)
        store->addConstraint(rule[0], rule[1], rule[2], rule[3]);
}

void setOptionLevels(OptionStore *store)
{
    static const struct { int level; const char *keywords; } table[] = {
        {0, "Option17 TPXToggle"},
        {1, "TPXThriftink TPXColorMode Option8 Option18 Option19 Option20 Option21 Option22 "
            "Option25 Option26 Option27 Option01"},
        {2, "InputSlot ColorModel Wren"},
        {3, "PageSize MediaType Crep Wclr Wang"},
        {4, "TPXDuplex"},
        {5, "Wflg Wtrans Cadj Duplex Thft Resolution RCM ZVBooklet"},
        {6, "cBiFld cTriFld cHole ZIR GBTn ZVGlossmode CaHueMaster CaHr CaHy CaHg CaHc CaHb "
            "CaHm Cast Cabt Cact CaCR CaMG CaYB Fold FldA Sep Stpl cStpl Pnch Rotate"},
        {7, "cCovBut cIntBut cInsBut ZVCollate1 cJobAccount cUserLogin cJobStore"},
        {8, "cCovTRad cCovBRad cCovPOFO cCovPOFI cCovPOBO cCovPOBI cInsPrnF cInsPrnB cIntPrn "
            "CvrM Pmed Tmed cSuper"},
        {9, "OutputBin ZVSuperWatermark"},
        {10, "Coll"},
    };
    for (const auto &row : table) {
        const QStringList keywords = QString::fromLatin1(row.keywords).split(QLatin1Char(' '));
        for (const QString &keyword : keywords)
            store->setLevel(keyword, row.level);
    }
}

void addBuiltinGroupConstraints(OptionStore *store)
{
    using Members = QList<QPair<QString, QString>>;
    const Members rules[] = {
        {{"ZVBooklet", "Left"}, {"Option22", "False"}, {"cStpl", "True"}},
        {{"ZVBooklet", "Right"}, {"Option22", "False"}, {"cStpl", "True"}},
        {{"ZVBooklet", "None"}, {"PageSize", "Statement"}, {"cStpl", "True"}},
        {{"ZVBooklet", "None"}, {"PageSize", "A5"}, {"cStpl", "True"}},
    };
    for (const Members &members : rules)
        store->addGroupConstraint(members);
}

void addDerivedConstraints(OptionStore *store)
{
    kOption *coll = store->option(QStringLiteral("Coll"));
    kOption *option18 = store->option(QStringLiteral("Option18"));
    if (coll && option18 && coll->hasChoice(False))
        addAgainst(store, "Option18", "None", weakerPartners(store, "Coll", "False", option18));

    kOption *duplex = store->option(QStringLiteral("Duplex"));
    kOption *tpxDuplex = store->option(QStringLiteral("TPXDuplex"));
    if (duplex && tpxDuplex) {
        addAgainst(store, "TPXDuplex", "On", weakerPartners(store, "Duplex", "DuplexTumble", tpxDuplex));
        addAgainst(store, "TPXDuplex", "On", weakerPartners(store, "Duplex", "DuplexNoTumble", tpxDuplex));
    }

    if (kOption *collate = store->option(QStringLiteral("ZVCollate1"))) {
        for (kChoice *choice : collate->choices()) {
            if (choice->name() != QLatin1String("None"))
                store->addConstraint("Option18", "None", "ZVCollate1", choice->name());
        }
    }
    store->addConstraint("Option18", "None", "cPrivatePrint", True);
    store->addConstraint("Option18", "None", "cCustomBox", True);
}
