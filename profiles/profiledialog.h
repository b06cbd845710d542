#pragma once

#include <QDialog>

class OptionCollector;
class QDialogButtonBox;

// The list of saved profiles, their details, and loading one into the pages.
class ProfileDialog : public QDialog
{
    Q_OBJECT

public:
    ProfileDialog(QWidget *dialog, OptionCollector *collector);

public slots:
    void fillProfileTable();
    virtual void show();
    void loadProfile();

private:
    OptionCollector *optionCollector;
    QDialogButtonBox *buttonBox;
};
