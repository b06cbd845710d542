#include "finishingtab.h"

FinishingTab::FinishingTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void FinishingTab::setTabName()
{
    pageTitle = tr("Finishing");
}

void FinishingTab::buildUi()
{
    pageTitle = tr("Finishing");
}

QIcon FinishingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing"));
}

QIcon FinishingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing-constraint"));
}

bool FinishingTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}
