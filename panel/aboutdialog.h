#pragma once

#include <QDialog>
#include <QPixmap>

class LicenseDialog;
class QDialogButtonBox;
class QLabel;
class QPushButton;
class TelemetryDialog;

// The About box: the picture with version and notice line, and the way to
// the legal notices and the data-collection answer.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget *parent = nullptr);

    static QString versionText() { return QStringLiteral("5.0.0"); }
    QPixmap renderBackground() const;

private:
    QLabel *backgroundLabel;
    QDialogButtonBox *buttonBox;
    QPushButton *closeButton;
    QPushButton *dataCollectionButton;
    QPushButton *legalNoticesButton;
    LicenseDialog *licenseDialog;
    TelemetryDialog *telemetryDialog;
};
