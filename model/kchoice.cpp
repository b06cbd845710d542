#include "kchoice.h"

#include "koption.h"

kChoice::kChoice(kOption *owner, const QString &name, const QString &text)
    : m_name(name), m_text(text), m_owner(owner)
{
}

void kChoice::addConflict(kOption *option, kChoice *choice)
{
    const OptionChoice entry(option, choice);
    if (!m_conflicts.contains(entry))
        m_conflicts.append(entry);
}

void kChoice::addConstrainedBy(kChoice *blocking)
{
    const OptionChoice entry(blocking->owner(), blocking);
    if (!m_blockedBy.contains(entry))
        m_blockedBy.append(entry);
}

void kChoice::removeConstrainedBy(kChoice *blocking)
{
    m_blockedBy.removeOne(OptionChoice(blocking->owner(), blocking));
}

void kChoice::addGroupConstraint(const RuleList &rule)
{
    if (!m_groupRules.contains(rule))
        m_groupRules.append(rule);
}

void kChoice::addActiveGroupConstraint(const RuleList &rule)
{
    if (!m_activeGroupRules.contains(rule))
        m_activeGroupRules.append(rule);
}

void kChoice::removeActiveGroupConstraint(const RuleList &rule)
{
    m_activeGroupRules.removeOne(rule);
}

void kChoice::mark()
{
    // Levels are read now, not when the rule was added.
    for (const OptionChoice &partner : qAsConst(m_conflicts)) {
        if (partner.first->level() >= m_owner->level())
            partner.second->addConstrainedBy(this);
    }

    for (const RuleList &rule : qAsConst(m_groupRules)) {
        const OptionChoice &last = rule.last();
        for (const OptionChoice &entry : rule) {
            if (entry == last) {
                last.second->addActiveGroupConstraint(rule);
                break;
            }
            const kChoice *marked = entry.first->markedChoice();
            if (!marked || marked->name() != entry.second->name())
                break;
        }
    }
}

void kChoice::unmark()
{
    for (const OptionChoice &partner : qAsConst(m_conflicts))
        partner.second->removeConstrainedBy(this);

    for (const RuleList &rule : qAsConst(m_groupRules)) {
        kChoice *blocked = rule.last().second;
        if (blocked != this)
            blocked->removeActiveGroupConstraint(rule);
    }
}

bool kChoice::isConstrained() const
{
    return !m_blockedBy.isEmpty() || !m_activeGroupRules.isEmpty();
}
