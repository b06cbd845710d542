#pragma once

#include "tab.h"

// A user-login page the main dialog builds and keeps but never shows.
class UserLoginTab : public Tab
{
    Q_OBJECT

public:
    explicit UserLoginTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    bool isSupported() override;
};
