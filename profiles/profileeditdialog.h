#pragma once

#include <QDialog>

class QDialogButtonBox;

// Gives a saved profile a new name or description.
class ProfileEditDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProfileEditDialog(QWidget *parent = nullptr);

public slots:
    void editProfile();

private:
    QDialogButtonBox *buttonBox;
};
