#pragma once

#include <QDialog>

class QDialogButtonBox;
class QLabel;
class QRadioButton;
class QTextEdit;

// Asks whether usage information may be collected and keeps the answer as
// one line in the per-user file "Settings".
class TelemetryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TelemetryDialog(QWidget *parent = nullptr);

    // The compiled-in privacy notice for a locale name (English by default).
    static QString policyResourceForLocaleName(const QString &localeName);
    QString loadPolicy() const;
    // Yes when the stored answer says so, and when there is none to read.
    bool isTelemetryEnabled() const;

public slots:
    int exec() override;
    void accept() override;

private:
    QString settingsPath() const;

    QLabel *introLabel;
    QLabel *noticeLabel;
    QLabel *policyLabel;
    QTextEdit *policyView;
    QRadioButton *yesButton;
    QRadioButton *noButton;
    QDialogButtonBox *buttonBox;
};
