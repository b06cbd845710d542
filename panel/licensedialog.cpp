#include "licensedialog.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

LicenseDialog::LicenseDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Legal Notices"));
    auto *layout = new QVBoxLayout(this);
    textView = new QTextEdit(this);
    textView->setReadOnly(true);
    setFixedSize(650, 500);
    textView->setText(loadLicense());

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    layout->addWidget(textView);
    layout->addWidget(buttonBox);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &LicenseDialog::accept);
}

QString LicenseDialog::loadLicense()
{
    QFile file(QStringLiteral(":/strings/license"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    const QString text = stream.readAll();
    file.close();
    return text;
}
