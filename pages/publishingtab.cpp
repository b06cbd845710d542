#include "publishingtab.h"

PublishingTab::PublishingTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void PublishingTab::setTabName()
{
    pageTitle = tr("Publishing");
}

void PublishingTab::buildUi()
{
    pageTitle = tr("Publishing");
}

QIcon PublishingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing"));
}

QIcon PublishingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing-constraint"));
}

bool PublishingTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}
