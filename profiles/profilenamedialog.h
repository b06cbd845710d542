#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTextEdit;

// What the save and edit dialogs share: a name field and a description
// field with one set of name rules, and OK enabled only while they hold.
class ProfileNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProfileNameDialog(QWidget *parent);

    // True when the name rules held at the last check.
    bool nameIsValid() const { return validName; }
    // True when name, simplified, is "Factory Default" in one of the six languages.
    static bool isReservedName(const QString &name);

protected:
    // Checks the name field and the description field; enables OK accordingly.
    void applyNameRules();
    void reloadQueueNames();
    // The description field with each line break stored as backslash and "n".
    QString encodedDescription() const;
    // A modal box without parent, as every message of these dialogs is.
    static void showMessage(const QString &title, const QString &text);

    QGridLayout *gridLayout;
    QLabel *nameLabel;
    QLineEdit *nameEdit;
    QLabel *descriptionLabel;
    QTextEdit *descriptionEdit;
    QDialogButtonBox *buttonBox;
    QStringList queueNames;

private:
    bool validName = false;
};
