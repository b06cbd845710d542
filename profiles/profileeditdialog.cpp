#include "profileeditdialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

ProfileEditDialog::ProfileEditDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Edit Profile"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addStretch(1);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileEditDialog::editProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileEditDialog::reject);
}

void ProfileEditDialog::editProfile()
{
    // Renaming the profile file comes with the profile files' dialogs.
    accept();
}
