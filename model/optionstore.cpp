#include "optionstore.h"

#include "kchoice.h"
#include "koption.h"

OptionStore *currentOptionStore = nullptr;

OptionStore::~OptionStore()
{
    qDeleteAll(m_options);
    qDeleteAll(m_replaced);
}

void OptionStore::addOption(kOption *option)
{
    if (!option)
        return;
    kOption *old = m_options.value(option->keyword(), nullptr);
    if (old == option)
        return;
    if (old)
        m_replaced.append(old);
    m_options.insert(option->keyword(), option);
}

void OptionStore::setLevel(const QString &keyword, int level)
{
    if (kOption *opt = option(keyword))
        opt->setLevel(level);
}

void OptionStore::selectChoice(const QString &keyword, const QString &choiceName)
{
    kOption *opt = option(keyword);
    if (!opt)
        return;
    if (kChoice *choice = opt->choiceByName(choiceName))
        opt->select(choice);
}

QList<kOption *> OptionStore::installedOptions() const
{
    static const char *const keywords[] = {
        "Option17", "Option8", "Option18", "Option19", "Option20", "Option01",
        "Option21", "Option22", "Option25", "Option26", "Option27",
    };
    QList<kOption *> found;
    for (const char *keyword : keywords) {
        if (kOption *opt = option(QLatin1String(keyword)))
            found.append(opt);
    }
    return found;
}

void OptionStore::clearAllMarks()
{
    for (kOption *opt : qAsConst(m_options)) {
        const QList<kChoice *> choices = opt->choices();
        for (kChoice *choice : choices)
            choice->unmark();
    }
}

void OptionStore::addConstraint(const QString &keyword1, const QString &choice1,
                                const QString &keyword2, const QString &choice2)
{
    kOption *o1 = option(keyword1);
    kOption *o2 = option(keyword2);
    if (!o1 || !o2)
        return;
    kChoice *c1 = o1->choiceByName(choice1);
    kChoice *c2 = o2->choiceByName(choice2);
    if (!c1 || !c2)
        return;
    c1->addConflict(o2, c2);
    c2->addConflict(o1, c1);
}

void OptionStore::addGroupConstraint(const QList<QPair<QString, QString>> &members)
{
    RuleList found;
    for (const auto &member : members) {
        kOption *opt = option(member.first);
        kChoice *choice = opt ? opt->choiceByName(member.second) : nullptr;
        if (!choice)
            return;
        found.append(OptionChoice(opt, choice));
    }
    if (found.size() != 3)
        return;

    const OptionChoice &p0 = found[0], &p1 = found[1], &p2 = found[2];
    const int a = p0.first->level(), b = p1.first->level(), c = p2.first->level();

    // The first member of lowest level leads, the member of highest level is
    // last and is the one blocked. Only the first test that holds builds the
    // list, so equal levels never put a middle member last.
    RuleList rule;
    if (a <= b && a <= c)
        rule << p0 << (b > c ? p2 : p1) << (b > c ? p1 : p2);
    else if (b <= c && b <= a)
        rule << p1 << (a > c ? p2 : p0) << (a > c ? p0 : p2);
    else
        rule << p2 << (a > b ? p1 : p0) << (a > b ? p0 : p1);

    // A choice that leads the list and is also its last entry is blocked by
    // its own mark, and unmarking the blocked member withdraws nothing: it
    // would stay blocked for good. A choice named twice anywhere else acts
    // like a pairwise rule: the other member's mark blocks, unmarking frees.
    if (rule.first() == rule.last())
        return;

    for (const OptionChoice &member : qAsConst(found))
        member.second->addGroupConstraint(rule);
}
