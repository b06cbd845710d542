#pragma once

#include "profilenamedialog.h"

class OptionCollector;

// Saves the pages' settings of the selected printer as a named profile.
class ProfileSaveDialog : public ProfileNameDialog
{
    Q_OBJECT

public:
    ProfileSaveDialog(QWidget *parent, OptionCollector *collector);

public slots:
    void saveProfile();
    void checkProfileNameAndDescription();
    virtual void show();
    int exec() override;

private:
    // False, after telling the user, when the limit of 25 profiles is reached.
    bool roomForAnotherProfile();
    void clearFields();

    OptionCollector *optionCollector;
};
