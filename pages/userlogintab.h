#pragma once

#include "tab.h"

class QLabel;
class QLineEdit;

// A user-login page the main dialog builds and keeps but never shows: a
// switch, a login name and a password, and a red message for input the
// login cannot carry. It binds no printer option.
class UserLoginTab : public Tab
{
    Q_OBJECT

public:
    explicit UserLoginTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    bool isSupported() override;

    QLabel *captionLabel = nullptr;
    QLabel *nameLabel = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *passwordLabel = nullptr;
    QLineEdit *passwordEdit = nullptr;
    QLabel *errorLabel = nullptr;
    ZelCheckBoxButton *loginButton = nullptr;

public slots:
    void verifyPJL(const QString &string);
    void verifyPJL(bool);
};
