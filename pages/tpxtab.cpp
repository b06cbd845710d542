#include "tpxtab.h"

TPXTab::TPXTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
    if (dialog && dialog->metaObject()->indexOfSlot("toggleColorMode()") >= 0)
        connect(this, SIGNAL(colorchanged()), dialog, SLOT(toggleColorMode()), Qt::UniqueConnection);
}

void TPXTab::setTabName()
{
    // The product name stays as it is in every language.
    pageTitle = QStringLiteral("Ondrix");
}

void TPXTab::buildUi()
{
    pageTitle = QStringLiteral("Ondrix");
}

QIcon TPXTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-tpx"));
}

QIcon TPXTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-tpx-constraint"));
}

bool TPXTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}
