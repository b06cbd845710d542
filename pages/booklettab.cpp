#include "booklettab.h"

BookletTab::BookletTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void BookletTab::setTabName()
{
    pageTitle = tr("Layout");
}

void BookletTab::buildUi()
{
    pageTitle = tr("Layout");
}

QIcon BookletTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout"));
}

QIcon BookletTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout-constraint"));
}

bool BookletTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}
