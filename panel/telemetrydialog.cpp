#include "telemetrydialog.h"

#include "atomicfile.h"
#include "localecatalogue.h"
#include "sessionstate.h"
#include "telemetryswitch.h"
#include "userdatadir.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QSpacerItem>
#include <QTextEdit>
#include <QTextStream>
#include <QVBoxLayout>

TelemetryDialog::TelemetryDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Data Collection"));
    setFixedSize(650, 450);

    introLabel = new QLabel(tr("We ask you to help improve our application and/or products by providing usage information."), this);
    introLabel->setWordWrap(true);
    noticeLabel = new QLabel(QStringLiteral("<b>%1</b>").arg(tr("The application DOES NOT collect any personal data.")), this);
    noticeLabel->setTextFormat(Qt::RichText);
    auto *spacer = new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Fixed);
    policyLabel = new QLabel(tr("Regarding data collection, please read the PRIVACY POLICY as follows."), this);
    policyLabel->setWordWrap(true);

    policyView = new QTextEdit(this);
    policyView->setReadOnly(true);
    policyView->setAutoFormatting(QTextEdit::AutoNone);
    policyView->setPlainText(loadPolicy());

    yesButton = new QRadioButton(tr("Yes, I want to help improve your products"), this);
    noButton = new QRadioButton(tr("No, I do not wish to take part in this feature"), this);
    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(introLabel);
    layout->addWidget(noticeLabel);
    layout->addItem(spacer);
    layout->addWidget(policyLabel);
    layout->addWidget(policyView);
    layout->addWidget(yesButton);
    layout->addWidget(noButton);
    layout->addWidget(buttonBox);

    connect(buttonBox, &QDialogButtonBox::accepted, this, &TelemetryDialog::accept);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &TelemetryDialog::reject);
}

QString TelemetryDialog::policyResourceForLocaleName(const QString &localeName)
{
    const QString language = localeLanguage(localeName);
    static const char *const translated[] = {"fr", "de", "it", "pt", "es"};
    for (const char *code : translated) {
        if (language == QLatin1String(code))
            return QStringLiteral(":/strings/policy_") + language;
    }
    return QStringLiteral(":/strings/policy");
}

QString TelemetryDialog::loadPolicy() const
{
    QFile file(policyResourceForLocaleName(QLocale::system().name()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QTextStream stream(&file);
    stream.setCodec("UTF-8");
    return stream.readAll();
}

QString TelemetryDialog::settingsPath() const
{
    return userDataDir + QStringLiteral("Settings");
}

bool TelemetryDialog::isTelemetryEnabled() const
{
    createLastPathComponent(userDataDir);
    QFile file;
    if (!openUserFileForReading(file, settingsPath()))
        return true;
    QByteArray content = file.readAll();
    const int nul = content.indexOf('\0');
    if (nul >= 0)
        content.truncate(nul);
    return QString::fromUtf8(content).contains(QLatin1String("Telemetry=True"));
}

int TelemetryDialog::exec()
{
    if (isTelemetryEnabled())
        yesButton->setChecked(true);
    else
        noButton->setChecked(true);
    return QDialog::exec();
}

void TelemetryDialog::accept()
{
    const QByteArray line = telemetryLine(yesButton->isChecked());
    createLastPathComponent(userDataDir);

    // The answer goes over the start of the old content without shortening
    // it; the file is still replaced as a whole so a failed write keeps it.
    QByteArray content;
    QFile old;
    if (openUserFileForReading(old, settingsPath()))
        content = old.readAll();
    old.close();
    content.replace(0, qMin(content.size(), line.size()), line);
    writeFileAtomically(settingsPath(), content);

    QDialog::accept();
}
