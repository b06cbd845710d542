#include "ppdimport.h"

#include <QCoreApplication>
#include <QStringList>

#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "ppdrules.h"

namespace {

QString utf8(const char *text)
{
    return text ? QString::fromUtf8(text) : QString();
}

bool hasPpdOption(ppd_file_t *ppd, const char *keyword)
{
    return ppdFindOption(ppd, keyword) != nullptr;
}

bool hasPpdAttr(ppd_file_t *ppd, const char *name)
{
    return ppdFindAttr(ppd, name, nullptr) != nullptr;
}

// Program-made options have no default: they are made after the defaults
// are marked, and a page selects their choice.
void addProgramOption(OptionStore *store, const char *keyword, const char *text)
{
    auto *option = new kOption(QLatin1String(keyword), QLatin1String(text));
    option->addChoice(QStringLiteral("False"), QStringLiteral("False"));
    option->addChoice(QStringLiteral("True"), QStringLiteral("True"));
    store->addOption(option);
}

void addTpxOption(OptionStore *store, const char *keyword, const char *text)
{
    auto *option = new kOption(QLatin1String(keyword), QLatin1String(text));
    option->addChoice(QStringLiteral("Off"), QCoreApplication::translate("QObject", "Off"));
    option->addChoice(QStringLiteral("On"), QCoreApplication::translate("QObject", "On"));
    store->addOption(option);
}

} // namespace

void importPpd(ppd_file_t *ppd, OptionStore *store)
{
    if (!ppd || !store)
        return;
    ppdLocalize(ppd);
    importPpdFilters(ppd, store);
    importPpdOptions(ppd, store);
    importPpdConstraints(ppd, store);
    markDefaultChoices(store);
    addFinishingOptions(ppd, store);
    addCoverOptions(ppd, store);
    addJobOptions(ppd, store);
    addSuperWatermarkOption(ppd, store);
    addTpxOptions(store);
    addBuiltinConstraints(store);
    setOptionLevels(store);
    importGroupConstraints(ppd, store);
    addDerivedConstraints(store);
}

void importPpdFilters(ppd_file_t *ppd, OptionStore *store)
{
    // A substring test over the whole line, MIME type included.
    for (int i = 0; i < ppd->num_filters; ++i) {
        const QString line = utf8(ppd->filters[i]);
        if (line.contains(QLatin1String("ras")) || line.contains(QLatin1String("pdf")))
            store->setRasterOrPdfFilter(true);
    }
    store->setModelName(utf8(ppd->modelname));
}

void importPpdOptions(ppd_file_t *ppd, OptionStore *store)
{
    // Options of sub-groups are left out on purpose.
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &ppdOption = group.options[o];
            auto *option = new kOption(utf8(ppdOption.keyword), utf8(ppdOption.text));
            for (int c = 0; c < ppdOption.num_choices; ++c)
                option->addChoice(utf8(ppdOption.choices[c].choice), utf8(ppdOption.choices[c].text));
            option->setDefault(option->choiceByName(utf8(ppdOption.defchoice)));
            option->setFromPpd(true);
            store->addOption(option);
        }
    }
}

void importPpdConstraints(ppd_file_t *ppd, OptionStore *store)
{
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t &rule = ppd->consts[i];
        const QString option1 = utf8(rule.option1);
        const QString option2 = utf8(rule.option2);
        if ((option1 == QLatin1String("Coll") && option2 == QLatin1String("ZVCollate1"))
            || (option1 == QLatin1String("ZVCollate1") && option2 == QLatin1String("Coll")))
            continue;
        store->addConstraint(option1, utf8(rule.choice1), option2, utf8(rule.choice2));
    }
}

void markDefaultChoices(OptionStore *store)
{
    for (kOption *option : store->options()) {
        if (kChoice *choice = option->defaultChoice())
            option->select(choice);
    }
}

void addCoverOptions(ppd_file_t *ppd, OptionStore *store)
{
    if (!hasPpdOption(ppd, "CvrM"))
        return;
    addProgramOption(store, "cCovBut", "Cover mode");
    addProgramOption(store, "cCovTRad", "Cover mode front");
    addProgramOption(store, "cCovBRad", "Cover mode front and back");
    addProgramOption(store, "cCovPOFO", "Cover mode front outside");
    addProgramOption(store, "cCovPOFI", "Cover mode front inside");
    addProgramOption(store, "cCovPOBO", "Cover mode back outside");
    addProgramOption(store, "cCovPOBI", "Cover mode back inside");
    addProgramOption(store, "cInsBut", "Page insert mode");
    addProgramOption(store, "cInsPrnF", "Page insert print onto front");
    addProgramOption(store, "cInsPrnB", "Page insert print onto back");
    addProgramOption(store, "cIntBut", "Transparency interleaving mode");
    addProgramOption(store, "cIntPrn", "Transparency print onto backing");
    addCoverRules(store);
}

void addJobOptions(ppd_file_t *ppd, OptionStore *store)
{
    if (hasPpdOption(ppd, "ZVCollate1"))
        addProgramOption(store, "cJobStore", "Job storage");
    if (hasPpdOption(ppd, "ZqManagment"))
        addProgramOption(store, "cJobAccount", "Job accounting");
    if (hasPpdAttr(ppd, "SupportsUserLogin"))
        addProgramOption(store, "cUserLogin", "User login");
    if (hasPpdAttr(ppd, "JobFinishNotice"))
        addProgramOption(store, "cEmail", "Email notification");
    if (hasPpdAttr(ppd, "SupportsCustomJobName"))
        addProgramOption(store, "cJobName", "Custom job name");
    // The one attribute whose value counts, and only spelt exactly so.
    ppd_attr_t *privatePrint = ppdFindAttr(ppd, "SupportsPrivatePrint", nullptr);
    if (privatePrint && utf8(privatePrint->value) == QLatin1String("True"))
        addProgramOption(store, "cPrivatePrint", "Private print");
    if (hasPpdAttr(ppd, "SupportsCustomBox"))
        addProgramOption(store, "cCustomBox", "Custom box");
    addJobRule(store);
}

void addSuperWatermarkOption(ppd_file_t *ppd, OptionStore *store)
{
    if (hasPpdOption(ppd, "ZVSuperWatermark"))
        addProgramOption(store, "cSuper", "Super Watermark");
}

void addTpxOptions(OptionStore *store)
{
    addTpxOption(store, "TPXToggle", "Pellion");
    addTpxOption(store, "TPXDuplex", "Pellion Duplex");
    addTpxOption(store, "TPXThriftink", "Pellion Thriftink");
    addTpxOption(store, "TPXColorMode", "Pellion Color Mode");
}

void finishingKeywordToOption(QString &text)
{
    if (text == QLatin1String("Bifold"))
        text = QStringLiteral("cBiFld");
    else if (text == QLatin1String("Trifold"))
        text = QStringLiteral("cTriFld");
    else if (text == QLatin1String("Stpl"))
        text = QStringLiteral("cStpl");
    else if (text == QLatin1String("Pnch"))
        text = QStringLiteral("cHole");
}

void importGroupConstraints(ppd_file_t *ppd, OptionStore *store)
{
    for (ppd_attr_t *attr = ppdFindAttr(ppd, "cupsUIConstraints", nullptr); attr;
         attr = ppdFindNextAttr(ppd, "cupsUIConstraints", nullptr)) {
        QList<QPair<QString, QString>> members;
        // Only single spaces separate words: two in a row give an empty word.
        const QStringList parts = utf8(attr->value).split(QLatin1Char('*'));
        for (const QString &part : parts) {
            const QStringList words = part.split(QLatin1Char(' '));
            if (words.size() < 2)
                continue;
            QString keyword = words.at(0);
            QString choice = words.at(1);
            if (choice == QLatin1String("Bifold") || choice == QLatin1String("Trifold")) {
                finishingKeywordToOption(choice);
                members.append({choice, QStringLiteral("True")});
            } else if (keyword == QLatin1String("Stpl") || keyword == QLatin1String("Pnch")) {
                finishingKeywordToOption(keyword);
                members.append({keyword, QStringLiteral("True")});
            } else {
                members.append({keyword, choice});
            }
        }
        store->addGroupConstraint(members);
    }
    addBuiltinGroupConstraints(store);
}
