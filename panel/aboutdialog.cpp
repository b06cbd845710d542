#include "aboutdialog.h"

#include "licensedialog.h"
#include "telemetrydialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {
// The maker's notice, the same in every language.
const char makerNotice[] = "\u00a9 2026 Quorvan Corp. / Quorvan Imaging";
}

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
{
    setWindowTitle(tr("About"));
    auto *layout = new QGridLayout(this);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);

    licenseDialog = new LicenseDialog(this);
    telemetryDialog = new TelemetryDialog(this);

    backgroundLabel = new QLabel(this);
    backgroundLabel->setMinimumSize(480, 300);
    backgroundLabel->setPixmap(renderBackground());

    closeButton = new QPushButton(tr("Close"), this);
    dataCollectionButton = new QPushButton(tr("Data collection") + QStringLiteral("..."), this);
    legalNoticesButton = new QPushButton(tr("Legal notices") + QStringLiteral("..."), this);

    buttonBox = new QDialogButtonBox(this);
    buttonBox->addButton(legalNoticesButton, QDialogButtonBox::HelpRole);
    buttonBox->addButton(dataCollectionButton, QDialogButtonBox::HelpRole);
    buttonBox->addButton(closeButton, QDialogButtonBox::RejectRole);

    layout->addWidget(backgroundLabel, 0, 0);
    layout->addWidget(buttonBox, 1, 0);
    setFixedSize(sizeHint());

    connect(closeButton, &QPushButton::clicked, this, &AboutDialog::close);
    connect(legalNoticesButton, &QPushButton::clicked, licenseDialog, &LicenseDialog::exec);
    connect(dataCollectionButton, &QPushButton::clicked, telemetryDialog, &TelemetryDialog::exec);
}

QPixmap AboutDialog::renderBackground() const
{
    QImage image(QStringLiteral(":/icons/about-background-oem"));
    if (image.isNull())
        return QPixmap();
    // A palette image cannot be painted on.
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Tahoma"), 10));
    painter.drawText(QPoint(125, 175), tr("Version") + QLatin1Char(' ') + versionText());
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Tahoma"), 9));
    painter.drawText(QPoint(125, 240), QString::fromUtf8(makerNotice));
    painter.end();
    return QPixmap::fromImage(image);
}
