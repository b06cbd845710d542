#include "profiledialog.h"

#include "kchoice.h"
#include "koption.h"
#include "optioncollector.h"
#include "optionstore.h"
#include "ppdimport.h"
#include "profileeditdialog.h"
#include "profilefiles.h"
#include "profilesavedialog.h"
#include "publishingtab.h"
#include "sessionstate.h"
#include "tab.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegExp>
#include <QSet>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QTreeWidget>

#include <memory>

namespace {
const QString genericKey = QStringLiteral("Generic");
const QString descriptionKey = QStringLiteral("ProfileDescription");
const QString accountingKey = QStringLiteral("TPX_enabled");
// The product name stays as it is in every language.
const QString accountingName = QStringLiteral("Ondrix");
// The label column is never narrower than this, however short the labels.
const int minimumLabelColumnWidth = 190;
// The program's own on/off settings of the Publishing and Job pages.
const char *const switchKeys[] = {"ZqCoverModeEnabled", "ZqPageInsertEnabled", "ZqIntLvEnabled", "UserLogin"};
// The Imaging page's adjustment switches with their off values: stored for
// every queue of the maker's filter, also where the model has no such option.
const QHash<QString, QString> adjustmentOffValues = {
    {QStringLiteral("Cadj"), QStringLiteral("False")},
    {QStringLiteral("CaColorSpace"), QStringLiteral("-1")},
    {QStringLiteral("Madj"), QStringLiteral("False")},
};
}

ProfileDialog::ProfileDialog(QWidget *dialog, OptionCollector *collector)
    : QDialog(dialog)
    , optionCollector(collector)
{
    setWindowTitle(tr("Profiles"));
    setWindowFlags(windowFlags() & ~(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                                     | Qt::WindowContextHelpButtonHint));
    setWindowModality(Qt::WindowModal);

    saveDialog = new ProfileSaveDialog(this, collector);
    saveDialog->setWindowTitle(tr("Save Profiles"));
    editDialog = new ProfileEditDialog(this);
    editDialog->setWindowTitle(tr("Edit Profile"));

    // The default size constraint: a fixed-size layout would hold the dialog
    // at its content's size, below its minimum; this way it opens at the
    // larger of the two.
    gridLayout = new QGridLayout;
    caption = new QLabel(tr("Select profile:"));

    profileTable = new QTableWidget(0, 1);
    profileTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    profileTable->setSelectionMode(QAbstractItemView::SingleSelection);
    profileTable->verticalHeader()->hide();
    profileTable->horizontalHeader()->hide();
    profileTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    profileTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    profileTable->setTabKeyNavigation(false);

    saveButton = new QPushButton(tr("Save") + QStringLiteral("..."));
    editButton = new QPushButton(tr("Edit..."));
    deleteButton = new QPushButton(tr("Delete"));

    line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);

    setupDetailTree();

    buttonBox = new QDialogButtonBox;
    buttonBox->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    buttonBox->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    applyButton = buttonBox->addButton(tr("Apply"), QDialogButtonBox::ApplyRole);

    gridLayout->addWidget(caption, 1, 1, 1, 1);
    gridLayout->addWidget(profileTable, 2, 1, 6, 1);
    gridLayout->addWidget(saveButton, 2, 2, 1, 1);
    gridLayout->addWidget(editButton, 3, 2, 1, 1);
    gridLayout->addWidget(deleteButton, 4, 2, 1, 1);
    gridLayout->addWidget(detailTree, 8, 1, 1, 2);
    gridLayout->addWidget(line, 9, 1, 1, 2);
    gridLayout->addWidget(buttonBox, 10, 1, 1, 2, Qt::AlignRight);
    setLayout(gridLayout);
    setMinimumSize(450, 500);

    // Slots of one signal run in this order: the path is set before the main
    // dialog reloads, and the list is rebuilt after a modal run or a deletion.
    const bool mainDialog = dialog && dialog->metaObject()->indexOfSlot("profileChanged()") >= 0;
    connect(profileTable, &QTableWidget::currentCellChanged, this, &ProfileDialog::loadDetailsFromCell);
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::loadProfile);
    if (mainDialog) {
        connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(profileChanged()));
        connect(buttonBox, SIGNAL(accepted()), dialog, SLOT(setConstraints()));
    }
    connect(buttonBox, &QDialogButtonBox::accepted, this, &ProfileDialog::close);
    connect(applyButton, &QPushButton::clicked, this, &ProfileDialog::loadProfile);
    if (mainDialog) {
        connect(applyButton, SIGNAL(clicked()), dialog, SLOT(profileChanged()));
        connect(applyButton, SIGNAL(clicked()), dialog, SLOT(setConstraints()));
    }
    connect(saveButton, &QPushButton::clicked, saveDialog, &ProfileSaveDialog::exec);
    connect(saveButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);
    connect(editButton, &QPushButton::clicked, this, &ProfileDialog::launchProfileEditDialog);
    connect(editButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);
    connect(deleteButton, &QPushButton::clicked, this, &ProfileDialog::deleteProfile);
    connect(deleteButton, &QPushButton::clicked, this, &ProfileDialog::fillProfileTable);
    connect(buttonBox, &QDialogButtonBox::rejected, this, &ProfileDialog::reject);
}

void ProfileDialog::show()
{
    // Decided once per opening, by the pass before it.
    saveButton->setEnabled(optionsConsistent);
    QDialog::show();
}

void ProfileDialog::addProfileRow(const QString &name)
{
    profileTable->insertRow(rowCounter);
    profileTable->setItem(rowCounter, 0, new QTableWidgetItem(name));
    ++rowCounter;
}

void ProfileDialog::fillProfileTable()
{
    QString previous;
    if (profileTable->currentRow() >= 0 && profileTable->currentItem())
        previous = profileTable->currentItem()->text();
    QSet<QString> before;
    for (int row = 0; row < profileTable->rowCount(); ++row) {
        if (QTableWidgetItem *item = profileTable->item(row, 0))
            before.insert(item->text());
    }

    const QSignalBlocker blocker(profileTable);
    rowCounter = 0;
    profileTable->clear();
    profileTable->setRowCount(0);
    addProfileRow(tr("Factory Default"));
    for (const QString &name : ProfileFiles::listProfiles())
        addProfileRow(name);

    // A row that just appeared wins; else the previous selection; else row 0.
    bool found = false;
    for (int row = 0; row < profileTable->rowCount(); ++row) {
        const QString text = profileTable->item(row, 0)->text();
        if (!before.contains(text)) {
            profileTable->setCurrentCell(row, 0);
            loadDetailsFromCell(row, 0, row, 0);
            return;
        }
        if (text == previous) {
            profileTable->setCurrentCell(row, 0);
            loadDetailsFromCell(row, 0, row, 0);
            found = true;
        }
    }
    if (!found) {
        profileTable->setCurrentCell(0, 0);
        loadDetailsFromCell(0, 0, 0, 0);
    }
}

void ProfileDialog::loadDetailsFromCell(int row_end, int col_end, int row_start, int col_start)
{
    Q_UNUSED(col_end)
    Q_UNUSED(row_start)
    Q_UNUSED(col_start)
    if (profileTable->item(row_end, 0)) {
        loadDetails(row_end);
        editButton->setEnabled(row_end != 0);
        deleteButton->setEnabled(row_end != 0);
    } else {
        detailTree->clear();
        editButton->setEnabled(false);
        deleteButton->setEnabled(false);
    }
}

QString ProfileDialog::profilePath(int row) const
{
    if (row == 0)
        return userDataDir;
    QTableWidgetItem *item = profileTable->item(row, 0);
    return item ? ProfileFiles::profilePath(item->text()) : QString();
}

void ProfileDialog::loadProfile()
{
    const int row = profileTable->currentRow();
    if (row < 0)
        return;
    activeSettingsPath = profilePath(row);
}

void ProfileDialog::deleteProfile()
{
    const int row = profileTable->currentRow();
    QTableWidgetItem *item = profileTable->item(row, 0);
    if (row <= 0 || !item)
        return;
    const QString path = profilePath(row);
    if (!ProfileFiles::removeProfile(item->text()))
        return;
    // The pages must not go on reading from a file that is gone.
    if (activeSettingsPath == path) {
        activeSettingsPath = currentOptionStore
            ? userDataDir + currentOptionStore->printerName() + QStringLiteral(".cfg")
            : userDataDir;
    }
}

void ProfileDialog::launchProfileEditDialog()
{
    QTableWidgetItem *item = profileTable->currentItem();
    if (!item || profileTable->currentRow() <= 0)
        return;
    const QString name = item->text();
    if (name.isEmpty())
        return;
    editDialog->setProfile(name, profileDescription(name));
    editDialog->exec();
}

QString ProfileDialog::profileDescription(const QString &name) const
{
    // As stored, whether or not the model PPD can be opened: the edit dialog
    // writes it back.
    return ProfileFiles::storedDescription(name);
}

void ProfileDialog::setupDetailTree()
{
    detailTree = new QTreeWidget;
    detailTree->setColumnCount(2);
    detailTree->setHeaderLabels({tr("Item"), tr("Detail")});
    detailTree->setColumnWidth(0, minimumLabelColumnWidth);
    detailTree->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    detailTree->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void ProfileDialog::loadDetails(int row)
{
    detailTree->clear();
    showDetails(row == 0 ? factoryDefaultDetails() : parseProfileFile(profilePath(row)));
}

void ProfileDialog::showDetails(const Details &details)
{
    addProfileGroup(details);
    // One group per page, in the main dialog's page order.
    if (optionCollector) {
        for (Tab *page : optionCollector->pages()) {
            if (details.contains(genericKey) && qobject_cast<PublishingTab *>(page))
                continue;
            addPageGroup(details, page);
        }
    }
    addAccountingGroup(details);
    fitLabelColumn();
}

void ProfileDialog::fitLabelColumn()
{
    // Some translations ("Schwarzweiß-Anpassung") are wider than the fixed
    // width. Collapsed rows count too: the user can open any group.
    const QAbstractItemModel *model = detailTree->model();
    const int rootIndentation = detailTree->rootIsDecorated() ? detailTree->indentation() : 0;
    int width = minimumLabelColumnWidth;
    for (int group = 0; group < model->rowCount(); ++group) {
        const QModelIndex groupIndex = model->index(group, 0);
        width = qMax(width, rootIndentation + detailTree->sizeHintForIndex(groupIndex).width());
        for (int row = 0; row < model->rowCount(groupIndex); ++row) {
            const QModelIndex rowIndex = model->index(row, 0, groupIndex);
            width = qMax(width, rootIndentation + detailTree->indentation() + detailTree->sizeHintForIndex(rowIndex).width());
        }
    }
    detailTree->setColumnWidth(0, width);
}

void ProfileDialog::addDetailItem(const QString &label, const QString &value, QTreeWidgetItem *group)
{
    // A caption's translation may break its line with a backslash and "n"; the tree shows one line.
    QString shown = label;
    shown.replace(QLatin1String("\\n"), QLatin1String(" "));
    group->addChild(new QTreeWidgetItem(QStringList{shown, value}));
}

void ProfileDialog::addProfileGroup(const Details &details)
{
    if (!details.contains(descriptionKey))
        return;
    auto *group = new QTreeWidgetItem(QStringList{tr("Profiles"), QString()});
    detailTree->addTopLevelItem(group);
    addDetailItem(tr("Description"), QString(details.value(descriptionKey)).replace(QLatin1String("\\n"), QLatin1String("\n")),
                  group);
}

void ProfileDialog::addPageGroup(const Details &details, Tab *page)
{
    QList<Tab::DetailRow> present;
    for (const Tab::DetailRow &row : page->detailRows()) {
        if (details.contains(row.key))
            present << row;
    }
    if (present.isEmpty())
        return;
    auto *group = new QTreeWidgetItem(QStringList{page->tabName(), QString()});
    detailTree->addTopLevelItem(group);
    for (const Tab::DetailRow &row : qAsConst(present))
        addDetailItem(row.label, details.value(row.key), group);
}

void ProfileDialog::addAccountingGroup(const Details &details)
{
    auto *group = new QTreeWidgetItem(QStringList{accountingName, QString()});
    detailTree->addTopLevelItem(group);
    addDetailItem(accountingName, details.value(accountingKey, tr("Off")), group);
}

ppd_file_t *ProfileDialog::openModelPpd(const QString &modelLine)
{
    const QString path = ProfileFiles::modelPpdPath(modelLine);
    return path.isEmpty() ? nullptr : ppdOpenFile(path.toUtf8().constData());
}

ProfileDialog::Details ProfileDialog::parseProfileFile(const QString &path) const
{
    Details details;
    // The options of the model PPD named last; none while no model PPD is open.
    std::unique_ptr<OptionStore> modelStore;
    const QRegExp modelLine(QStringLiteral("^\\[Quorvan.*\\]$|^\\[RB.*\\]$|^\\[Brazzomi.*\\]$"));
    for (const QString &line : ProfileFiles::readLines(path)) {
        if (modelLine.indexIn(line) >= 0 && !line.contains(QLatin1String("Profile"))) {
            // A fresh store for each model line: importing twice into one would
            // double its options.
            modelStore.reset();
            if (ppd_file_t *ppd = openModelPpd(line)) {
                modelStore = std::make_unique<OptionStore>();
                importPpd(ppd, modelStore.get());
                ppdClose(ppd);
            }
            if (line.contains(genericKey))
                details.insert(genericKey, QStringLiteral("True"));
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq < 0)
            continue;
        const QString key = line.left(eq);
        const QString value = line.mid(eq + 1);
        if ((!key.isEmpty() && !value.isEmpty()) || line.count(QLatin1Char('=')) == 1)
            details.insert(key, optionDisplayText(key, value, modelStore.get()));
    }
    return details;
}

QString ProfileDialog::optionDisplayText(const QString &key, const QString &value, const OptionStore *store)
{
    if (!store)
        return QStringLiteral("ERROR 3");
    if (kOption *option = store->option(key)) {
        if (kChoice *choice = option->choiceByName(value))
            return choice->text();
        if (key == QLatin1String("ZVCollate1") && value == QLatin1String("Custom1"))
            return tr("Private print");
        if (key == QLatin1String("ZVCollate1") && value == QLatin1String("Custom2"))
            return tr("Custom box");
        if (key == QLatin1String("ZqManagment"))
            return value == QLatin1String("Default") ? QStringLiteral("ERROR 1") : tr("On");
        if (key == QLatin1String("Wtxt"))
            return tr("Custom watermark");
        return QStringLiteral("ERROR 1");
    }
    for (const char *switchKey : switchKeys) {
        if (key == QLatin1String(switchKey))
            return value == QLatin1String("True") ? tr("On") : tr("Off");
    }
    if (key == descriptionKey)
        return value;
    if (key == QLatin1String("EMailNotification"))
        return value == QLatin1String("off") ? tr("Off") : value;
    if (key == QLatin1String("CustomJobName"))
        return tr("On");
    if (key == accountingKey)
        return value == QLatin1String("ON") ? tr("On") : tr("Off");
    if (key == QLatin1String("ColorModel"))
        return tr("Black & white");
    // As the dialogs read them: an empty value is the off value too.
    const auto adjustment = adjustmentOffValues.constFind(key);
    if (adjustment != adjustmentOffValues.constEnd())
        return value.isEmpty() || value == *adjustment ? tr("Off") : tr("On");
    return QStringLiteral("ERROR 2");
}

ProfileDialog::Details ProfileDialog::factoryDefaultDetails() const
{
    Details details;
    if (!currentOptionStore)
        return details;
    for (kOption *option : currentOptionStore->options()) {
        // An option whose PPD default names no choice has nothing to show.
        if (option->isFromPpd() && option->defaultChoice())
            details.insert(option->keyword(), option->defaultChoice()->text());
    }
    if (currentOptionStore->hasRasterOrPdfFilter())
        details.insert(genericKey, QStringLiteral("True"));
    for (const char *switchKey : switchKeys)
        details.insert(QString::fromLatin1(switchKey), tr("Off"));
    return details;
}
