#include "jobtab.h"

JobTab::JobTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void JobTab::setTabName()
{
    pageTitle = tr("Job");
}

void JobTab::buildUi()
{
    pageTitle = tr("Job");
}

QIcon JobTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-job"));
}

QIcon JobTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-job-constraint"));
}

bool JobTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}

QList<Tab::DetailRow> JobTab::detailRows()
{
    return {
        {QStringLiteral("ZVCollate1"), tr("Job settings")},
        {QStringLiteral("ZqManagment"), tr("Job accounting")},
        {QStringLiteral("CustomJobName"), tr("Job name")},
        {QStringLiteral("EMailNotification"), tr("Job e-mail notification")},
        {QStringLiteral("UserLogin"), tr("User login")},
    };
}
