#pragma once

#include "tab.h"

#include <QHash>
#include <QIcon>
#include <QString>

// A page whose answers to the constraint pass and to the collector are set
// by the test.
class PassPage : public Tab
{
    Q_OBJECT

public:
    PassPage(QWidget *dialog, const QString &title, const QString &iconName = QStringLiteral("tab-basic"))
        : Tab(dialog), m_iconName(iconName)
    {
        pageTitle = title;
    }

    bool supported = true;
    // enableOptions answers true this many more times (-1: always).
    int movesLeft = 0;
    bool conflicting = false;
    // hasConflict answers true whatever the pass did (invalid input).
    bool invalidInput = false;
    int enableCalls = 0;
    QHash<QString, QString> plain;
    QHash<QString, QString> extra;

    void setTabName() override {}
    void buildUi() override {}
    bool isSupported() override { return supported; }
    QIcon icon() override { return QIcon(QStringLiteral(":/icons/") + m_iconName); }
    QIcon constraintIcon() override { return QIcon(QStringLiteral(":/icons/") + m_iconName + QStringLiteral("-constraint")); }
    bool hasConflict() override { return invalidInput || Tab::hasConflict(); }
    void markCustomConstraints() override
    {
        if (conflicting)
            conflict = true;
    }
    bool enableOptions() override
    {
        ++enableCalls;
        if (movesLeft == 0)
            return false;
        if (movesLeft > 0)
            --movesLeft;
        return true;
    }
    QHash<QString, QString> getOptions() override { return plain; }
    QHash<QString, QString> getExtraOptions() override { return extra; }

private:
    QString m_iconName;
};
