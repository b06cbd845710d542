#pragma once

#include <QDialog>

class OptionCollector;
class QDialogButtonBox;

// Saves the pages' settings as a named profile.
class ProfileSaveDialog : public QDialog
{
    Q_OBJECT

public:
    ProfileSaveDialog(QWidget *dialog, OptionCollector *collector);

public slots:
    virtual void show();
    void saveProfile();

private:
    OptionCollector *optionCollector;
    QDialogButtonBox *buttonBox;
};
