#pragma once

#include <QDialog>

class QDialogButtonBox;
class QTextEdit;

// Shows the compiled-in legal notices.
class LicenseDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LicenseDialog(QWidget *parent = nullptr);

    // The whole of ":/strings/license", or the empty text.
    static QString loadLicense();

private:
    QTextEdit *textView;
    QDialogButtonBox *buttonBox;
};
