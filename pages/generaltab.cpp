#include "generaltab.h"

GeneralTab::GeneralTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void GeneralTab::setTabName()
{
    pageTitle = tr("Basic");
}

void GeneralTab::buildUi()
{
    pageTitle = tr("Basic");
}

QIcon GeneralTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon GeneralTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

bool GeneralTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}
