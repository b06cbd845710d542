#include "ppdimport.h"

#include <cstring>

#include <QCoreApplication>
#include <QHash>
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

// ppdLocalize looks every group, option and choice up under names that
// begin with a language prefix ("de.", "pt_BR."); when no attribute name
// has a dot there is nothing to translate, and the costly walk is skipped.
bool hasLocalizedAttributes(ppd_file_t *ppd)
{
    for (int i = 0; i < ppd->num_attrs; ++i) {
        if (std::strchr(ppd->attrs[i]->name, '.'))
            return true;
    }
    return false;
}

// The store's options by the PPD's own keyword bytes, each with the PPD
// option it was made from, so that thousands of UIConstraints are matched
// without building texts. Valid while the PPD is open.
struct ImportedOption
{
    QList<kChoice *> choices;
    const ppd_option_t *ppdOption = nullptr;
};
using ImportedOptions = QHash<QLatin1String, ImportedOption>;

ImportedOptions importedOptions(ppd_file_t *ppd, OptionStore *store)
{
    ImportedOptions index;
    for (int g = 0; g < ppd->num_groups; ++g) {
        const ppd_group_t &group = ppd->groups[g];
        for (int o = 0; o < group.num_options; ++o) {
            const ppd_option_t &ppdOption = group.options[o];
            kOption *option = store->option(utf8(ppdOption.keyword));
            // A keyword given twice: the store holds the later option.
            if (option && option->choiceCount() == ppdOption.num_choices)
                index.insert(QLatin1String(ppdOption.keyword), {option->choices(), &ppdOption});
        }
    }
    return index;
}

// The first choice of that exact name, as kOption::choiceByName finds it.
kChoice *importedChoice(const ImportedOptions &index, const char *keyword, const char *name)
{
    const auto found = index.constFind(QLatin1String(keyword));
    if (found == index.constEnd())
        return nullptr;
    const ppd_option_t *ppdOption = found->ppdOption;
    for (int c = 0; c < ppdOption->num_choices; ++c) {
        const char *candidate = ppdOption->choices[c].choice;
        if (candidate[0] == name[0] && !std::strcmp(candidate, name))
            return found->choices.at(c);
    }
    return nullptr;
}

QPair<QString, QString> groupMember(const QString &keyword, const QString &choice)
{
    QString mapped;
    if (choice == QLatin1String("Bifold") || choice == QLatin1String("Trifold"))
        mapped = choice;
    else if (keyword == QLatin1String("Stpl") || keyword == QLatin1String("Pnch"))
        mapped = keyword;
    else
        return {keyword, choice};
    finishingKeywordToOption(mapped);
    return {mapped, QStringLiteral("True")};
}

// "*Kw1 Choice1 *Kw2 Choice2 ...": parts at every star, words at every
// single space, empty ones kept (two spaces make an empty word); a part of
// fewer than two words is skipped, words after the second are ignored.
QList<QPair<QString, QString>> groupMembers(const char *value)
{
    QList<QPair<QString, QString>> members;
    const char *part = value ? value : "";
    for (;;) {
        const char *partEnd = std::strchr(part, '*');
        if (!partEnd)
            partEnd = part + std::strlen(part);
        const char *space = static_cast<const char *>(std::memchr(part, ' ', partEnd - part));
        if (space) {
            const char *second = space + 1;
            const char *secondEnd = static_cast<const char *>(std::memchr(second, ' ', partEnd - second));
            if (!secondEnd)
                secondEnd = partEnd;
            members.append(groupMember(QString::fromUtf8(part, int(space - part)),
                                       QString::fromUtf8(second, int(secondEnd - second))));
        }
        if (!*partEnd)
            break;
        part = partEnd + 1;
    }
    return members;
}

} // namespace

void importPpd(ppd_file_t *ppd, OptionStore *store)
{
    if (!ppd || !store)
        return;
    if (hasLocalizedAttributes(ppd))
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
    const ImportedOptions index = importedOptions(ppd, store);
    for (int i = 0; i < ppd->num_consts; ++i) {
        const ppd_const_t &rule = ppd->consts[i];
        if ((!std::strcmp(rule.option1, "Coll") && !std::strcmp(rule.option2, "ZVCollate1"))
            || (!std::strcmp(rule.option1, "ZVCollate1") && !std::strcmp(rule.option2, "Coll")))
            continue;
        // What OptionStore::addConstraint does, on choices found by bytes:
        // an empty choice or an option of no top-level group finds none.
        kChoice *choice1 = importedChoice(index, rule.option1, rule.choice1);
        kChoice *choice2 = choice1 ? importedChoice(index, rule.option2, rule.choice2) : nullptr;
        if (!choice2)
            continue;
        choice1->addConflict(choice2->owner(), choice2);
        choice2->addConflict(choice1->owner(), choice1);
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
        const QList<QPair<QString, QString>> members = groupMembers(attr->value);
        // The store takes lists of exactly three and drops the rest anyway.
        if (members.size() == 3)
            store->addGroupConstraint(members);
    }
    addBuiltinGroupConstraints(store);
}
