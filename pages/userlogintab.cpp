#include "userlogintab.h"

UserLoginTab::UserLoginTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void UserLoginTab::setTabName()
{
    pageTitle = tr("User Login");
}

void UserLoginTab::buildUi()
{
    pageTitle = tr("User Login");
}

bool UserLoginTab::isSupported()
{
    return false;
}
