#include "profilesavedialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

ProfileSaveDialog::ProfileSaveDialog(QWidget *dialog, OptionCollector *collector)
    : QDialog(dialog)
    , optionCollector(collector)
{
    setWindowTitle(tr("Save Profile"));
    setWindowModality(Qt::WindowModal);
    auto *layout = new QVBoxLayout(this);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    layout->addStretch(1);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileSaveDialog::saveProfile);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileSaveDialog::reject);
}

void ProfileSaveDialog::show()
{
    QDialog::show();
}

void ProfileSaveDialog::saveProfile()
{
    // Writing the profile file comes with the profile files' dialogs.
    accept();
}
