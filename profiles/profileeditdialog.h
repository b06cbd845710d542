#pragma once

#include "profilenamedialog.h"

// Gives a saved profile a new name, a new description, or both.
class ProfileEditDialog : public ProfileNameDialog
{
    Q_OBJECT

public:
    explicit ProfileEditDialog(QWidget *parent = nullptr);

    // The profile to edit and its description as stored (line breaks as
    // backslash and "n").
    void setProfile(const QString &name, const QString &description);

public slots:
    void editProfile();
    void checkProfileName();
    virtual void show();
    int exec() override;

private:
    QString oldName;
};
