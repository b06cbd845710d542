#pragma once

#include <QList>
#include <QPair>
#include <QString>

class kOption;
class kChoice;

using OptionChoice = QPair<kOption *, kChoice *>;
using RuleList = QList<OptionChoice>;

// One choice of a kOption. Besides its name and text it carries the rules it
// takes part in and the blocks acting on it now (see mark/unmark).
class kChoice
{
public:
    kChoice(kOption *owner, const QString &name, const QString &text);
    kChoice(const kChoice &) = delete;
    kChoice &operator=(const kChoice &) = delete;

    QString name() const { return m_name; }
    QString text() const { return m_text; }
    kOption *owner() const { return m_owner; }

    QList<OptionChoice> conflicts() const { return m_conflicts; }
    void addConflict(kOption *option, kChoice *choice);
    void addConstrainedBy(kChoice *blocking);
    void removeConstrainedBy(kChoice *blocking);
    void addGroupConstraint(const RuleList &rule);
    void addActiveGroupConstraint(const RuleList &rule);
    void removeActiveGroupConstraint(const RuleList &rule);

    void mark();
    void unmark();
    bool isConstrained() const;
    // The marked choices whose pairwise rules block this one now.
    QList<OptionChoice> constrainedBy() const { return m_blockedBy; }
    bool hasActiveGroupConstraint() const { return !m_activeGroupRules.isEmpty(); }

private:
    QString m_name;
    QString m_text;
    kOption *m_owner;
    QList<OptionChoice> m_conflicts;
    QList<OptionChoice> m_blockedBy;
    QList<RuleList> m_groupRules;
    QList<RuleList> m_activeGroupRules;
};
