#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

#include <cups/ppd.h>

class OptionCollector;
class OptionStore;
class ProfileEditDialog;
class ProfileSaveDialog;
class QDialogButtonBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;
class Tab;

// The saved profiles under a first row "Factory Default", the stored values
// of the selected row, loading it into the pages, and saving, renaming and
// deleting profiles.
class ProfileDialog : public QDialog
{
    Q_OBJECT

public:
    // Settings key to the text the details show for it.
    using Details = QHash<QString, QString>;

    ProfileDialog(QWidget *dialog, OptionCollector *collector);

    // userDataDir + the row's name + ".cfg"; userDataDir alone for row 0.
    QString profilePath(int row) const;
    // The description as stored, line breaks still as backslash and "n".
    QString profileDescription(const QString &name) const;
    Details parseProfileFile(const QString &path) const;
    Details factoryDefaultDetails() const;
    // How a stored value shows: the model's choice text, or a fixed text.
    // No store means no model PPD could be opened.
    static QString optionDisplayText(const QString &key, const QString &value, const OptionStore *store);
    // The model PPD of a model line, opened; null when there is none.
    static ppd_file_t *openModelPpd(const QString &modelLine);

    QGridLayout *gridLayout;
    QLabel *caption;
    QTableWidget *profileTable;
    QPushButton *saveButton;
    QPushButton *editButton;
    QPushButton *deleteButton;
    QTreeWidget *detailTree = nullptr;
    QFrame *line;
    QDialogButtonBox *buttonBox;
    QPushButton *applyButton;
    ProfileSaveDialog *saveDialog;
    ProfileEditDialog *editDialog;

public slots:
    void fillProfileTable();
    virtual void show();
    void launchProfileEditDialog();
    void loadDetailsFromCell(int row_end, int col_end, int row_start, int col_start);
    void loadProfile();
    void deleteProfile();

private:
    void addProfileRow(const QString &name);
    void setupDetailTree();
    void loadDetails(int row);
    void showDetails(const Details &details);
    // The label column as wide as its widest label, group rows included.
    void fitLabelColumn();
    void addDetailItem(const QString &label, const QString &value, QTreeWidgetItem *group);
    void addProfileGroup(const Details &details);
    // A page's group: its title over the rows it names that details holds.
    void addPageGroup(const Details &details, Tab *page);
    void addAccountingGroup(const Details &details);

    OptionCollector *optionCollector;
    // Rows added since the table was last emptied: where the next one goes.
    int rowCounter = 0;
};
