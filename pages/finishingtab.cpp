#include "finishingtab.h"

#include "optionstore.h"
#include "pagewidgets.h"
#include "rotatelabel.h"
#include "settingsfile.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>

namespace {
const QString noneName = QStringLiteral("None");
const QString foldKeyword = QStringLiteral("FldA");
const QString bifold = QStringLiteral("Bifold");
const QString trifold = QStringLiteral("Trifold");

ZelCheckBoxButton *newCheckBoxButton(QWidget *parent, const QString &iconPath, const QString &accessibleName)
{
    auto *button = new ZelCheckBoxButton(parent, QString(), QIcon(iconPath));
    button->setAccessibleName(accessibleName);
    return button;
}

}

FinishingTab::FinishingTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectSignals();
    layOut();
}

void FinishingTab::setTabName()
{
    pageTitle = tr("Finishing");
}

void FinishingTab::buildUi()
{
    pageTitle = tr("Finishing");
    const QString colon = QStringLiteral(":");
    const QString off = tr("Off");

    separationGroup = new ZelButtonGroup(this, tr("Separation") + QStringLiteral(": "));
    separationGroup->addButton(off, QStringLiteral(":/icons/separation-off"));
    separationGroup->addButton(tr("Offset jobs"), QStringLiteral(":/icons/separation-offset"));
    separationGroup->addButton(tr("Rotate copies"), QStringLiteral(":/icons/separation-rotate"));
    separationGroup->setAccessibleName(QStringLiteral("butGroupSep"));

    triFoldLabel = newCaption(this, tr("Tri-Fold") + colon, QStringLiteral("lblTriFld"));
    triFoldButton = newCheckBoxButton(this, QStringLiteral(":/icons/trifold"), QStringLiteral("chkButTriFld"));
    printSideLabel = newCaption(this, tr("Print side") + colon, QStringLiteral("lblFldB"));
    printSideBox = newComboBox(this, QStringLiteral("cmbBxFldB"), 200);
    foldDirectionLabel = newCaption(this, tr("Direction of fold") + colon, QStringLiteral("lblFldC"));
    foldDirectionBox = newComboBox(this, QStringLiteral("cmbBxFldC"), 200);
    triFoldSheetsLabel = newCaption(this, tr("Number of sheets") + colon, QStringLiteral("lblFldD"));
    triFoldSheetsBox = newComboBox(this, QStringLiteral("cmbBxFldD"), 200);

    biFoldLabel = newCaption(this, tr("Bi-Fold") + colon, QStringLiteral("lblBiFld"));
    biFoldButton = newCheckBoxButton(this, QStringLiteral(":/icons/bifold"), QStringLiteral("chkButBiFld"));
    biFoldSheetsLabel = newCaption(this, tr("Number of sheets") + colon, QStringLiteral("lblFldB"));
    biFoldSheetsBox = newComboBox(this, QStringLiteral("cmbBxFldA"), 200);

    punchLabel = newCaption(this, tr("Punch") + QStringLiteral(": "), QStringLiteral("lblHolePunch"));
    punchMethodLabel = newCaption(this, tr("Punch Method:"), QStringLiteral("lblPnch"));
    punchButton = newCheckBoxButton(this, QStringLiteral(":/icons/punch"), QStringLiteral("chkButPnch"));
    punchBox = newComboBox(this, QStringLiteral("cmbBxPnch"));

    stapleLabel = newCaption(this, tr("Staple:"), QStringLiteral("lblStaple"));
    stapleLocationLabel = newCaption(this, tr("Staple location:"), QStringLiteral("lblStpl"));
    stapleButton = newCheckBoxButton(this, QStringLiteral(":/icons/staple"), QStringLiteral("chkButStpl"));
    stapleLocationBox = newComboBox(this, QStringLiteral("cmbBxStpl"));
    stapleCountLabel = newCaption(this, tr("Staple method"), QStringLiteral("lblScnt"));
    stapleCountBox = newComboBox(this, QStringLiteral("cmbBxScnt"));

    rotateGroup = new ZelButtonGroup(this, rotate180Label() + QStringLiteral(": "));
    rotateGroup->addButton(off, QStringLiteral(":/icons/Rotate-180-off"));
    rotateGroup->addButton(tr("On"), QStringLiteral(":/icons/Rotate-180-on"));
    rotateGroup->setAccessibleName(QStringLiteral("butGroupRot"));

    optionWidgets.insert(QStringLiteral("Sep"), separationGroup);
    optionWidgets.insert(QStringLiteral("FldB"), printSideBox);
    optionWidgets.insert(QStringLiteral("FldC"), foldDirectionBox);
    optionWidgets.insert(QStringLiteral("FldD"), triFoldSheetsBox);
    optionWidgets.insert(QStringLiteral("BFpS"), biFoldSheetsBox);
    optionWidgets.insert(QStringLiteral("Rotate"), rotateGroup);
    optionWidgets.insert(QStringLiteral("Pnch"), punchBox);
    optionWidgets.insert(QStringLiteral("Stpl"), stapleLocationBox);
    optionWidgets.insert(QStringLiteral("Scnt"), stapleCountBox);
    optionWidgets.insert(QStringLiteral("cTriFld"), triFoldButton);
    optionWidgets.insert(QStringLiteral("cBiFld"), biFoldButton);
    optionWidgets.insert(QStringLiteral("cHole"), punchButton);
    optionWidgets.insert(QStringLiteral("cStpl"), stapleButton);

    labelWidgets.insert(QStringLiteral("Sep"), separationGroup);
    labelWidgets.insert(QStringLiteral("Pnch"), punchMethodLabel);
    labelWidgets.insert(QStringLiteral("Stpl"), stapleLabel);
    labelWidgets.insert(QStringLiteral("Scnt"), stapleCountLabel);
    labelWidgets.insert(QStringLiteral("Rotate"), rotateGroup);

    triFoldButton->addDependent(printSideLabel, noDefault);
    triFoldButton->addDependent(printSideBox, off);
    triFoldButton->addDependent(foldDirectionLabel, noDefault);
    triFoldButton->addDependent(foldDirectionBox, off);
    triFoldButton->addDependent(triFoldSheetsLabel, noDefault);
    triFoldButton->addDependent(triFoldSheetsBox, off);
    biFoldButton->addDependent(biFoldSheetsLabel, noDefault);
    biFoldButton->addDependent(biFoldSheetsBox, off);
    punchButton->addDependent(punchMethodLabel, noDefault);
    punchButton->addDependent(punchBox, off);
    stapleButton->addDependent(stapleCountLabel, noDefault);
    stapleButton->addDependent(stapleCountBox, off);
    stapleButton->addDependent(stapleLocationLabel, noDefault);
    stapleButton->addDependent(stapleLocationBox, off);

    checkBoxButtons << punchButton << stapleButton << triFoldButton << biFoldButton;
}

void FinishingTab::connectSignals()
{
    // Before the base connections: the page's own reactions run first.
    connect(punchButton, SIGNAL(toggled(bool)), this, SLOT(togglePunch(bool)), Qt::UniqueConnection);
    connect(stapleButton, SIGNAL(toggled(bool)), this, SLOT(toggleStaple(bool)), Qt::UniqueConnection);
    connect(triFoldButton, SIGNAL(toggled(bool)), this, SLOT(markFold()), Qt::UniqueConnection);
    connect(triFoldButton, SIGNAL(toggled(bool)), this, SLOT(checkFoldConstraints()), Qt::UniqueConnection);
    connect(triFoldButton, SIGNAL(toggled(bool)), this, SLOT(toggleTriFold(bool)), Qt::UniqueConnection);
    connect(biFoldButton, SIGNAL(toggled(bool)), this, SLOT(markFold()), Qt::UniqueConnection);
    connect(biFoldButton, SIGNAL(toggled(bool)), this, SLOT(checkFoldConstraints()), Qt::UniqueConnection);
    connect(biFoldButton, SIGNAL(toggled(bool)), this, SLOT(toggleBiFold(bool)), Qt::UniqueConnection);
    connectWidgets();
}

void FinishingTab::layOut()
{
    const Qt::Alignment left = Qt::AlignLeft;
    auto *leftGrid = new QGridLayout;
    leftGrid->addWidget(separationGroup, 0, 0, 1, 2, left);
    leftGrid->addWidget(newLine(QFrame::HLine), 1, 0, 1, 4);
    leftGrid->addWidget(triFoldLabel, 2, 0, 1, 2, left);
    leftGrid->addWidget(triFoldButton, 3, 0, 2, 1, left);
    leftGrid->addWidget(printSideLabel, 3, 1, left);
    leftGrid->addWidget(printSideBox, 4, 1, left);
    leftGrid->addWidget(foldDirectionLabel, 5, 1, left);
    leftGrid->addWidget(foldDirectionBox, 6, 1, left);
    leftGrid->addWidget(triFoldSheetsLabel, 7, 1, left);
    leftGrid->addWidget(triFoldSheetsBox, 8, 1, left);
    leftGrid->addWidget(newLine(QFrame::HLine), 9, 0, 1, 4);
    leftGrid->addWidget(biFoldLabel, 10, 0, 1, 2, left);
    leftGrid->addWidget(biFoldButton, 11, 0, 2, 1, left);
    leftGrid->addWidget(biFoldSheetsLabel, 11, 1, left);
    leftGrid->addWidget(biFoldSheetsBox, 12, 1, left);
    leftGrid->setColumnStretch(3, 1);
    leftGrid->setRowStretch(15, 1);

    auto *rightGrid = new QGridLayout;
    rightGrid->addWidget(stapleLabel, 0, 0, 1, 2, left | Qt::AlignBottom);
    rightGrid->addWidget(stapleButton, 1, 0, 2, 1, left | Qt::AlignTop);
    rightGrid->addWidget(stapleLocationLabel, 1, 1, left | Qt::AlignVCenter);
    rightGrid->addWidget(stapleLocationBox, 2, 1, left | Qt::AlignVCenter);
    rightGrid->addWidget(stapleCountLabel, 3, 1, left | Qt::AlignBottom);
    rightGrid->addWidget(stapleCountBox, 4, 1, left | Qt::AlignTop);
    rightGrid->addWidget(newLine(QFrame::HLine), 5, 0, 1, 4);
    rightGrid->addWidget(punchLabel, 6, 0, 1, 2, left);
    rightGrid->addWidget(punchMethodLabel, 7, 1, 1, 2, left | Qt::AlignBottom);
    rightGrid->addWidget(punchButton, 7, 0, 2, 1, left);
    rightGrid->addWidget(punchBox, 8, 1, left | Qt::AlignVCenter);
    rightGrid->addWidget(newLine(QFrame::HLine), 9, 0, 1, 4);
    rightGrid->addWidget(rotateGroup, 10, 0, 1, 2);
    rightGrid->setColumnStretch(2, 1);
    rightGrid->setRowStretch(12, 1);

    newTwoColumnLayout(this, leftGrid, rightGrid);
}

QIcon FinishingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing"));
}

QIcon FinishingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-finishing-constraint"));
}

bool FinishingTab::isSupported()
{
    return storeHasBoundOption();
}

bool FinishingTab::hasConflict()
{
    return isSupported() && conflict;
}

void FinishingTab::resetUnsupported()
{
    triFoldButton->setChecked(false);
    biFoldButton->setChecked(false);
}

// ---- slots -----------------------------------------------------------------

void FinishingTab::markFold()
{
    OptionStore *store = currentOptionStore;
    if (!store)
        return;
    const bool tri = triFoldButton->isChecked();
    const bool bi = biFoldButton->isChecked();
    if (bi && !tri) {
        store->selectChoice(foldKeyword, bifold);
        store->selectChoice(QStringLiteral("cBiFld"), QStringLiteral("True"));
    } else if (tri && !bi) {
        store->selectChoice(foldKeyword, trifold);
        store->selectChoice(QStringLiteral("cTriFld"), QStringLiteral("True"));
    } else if (!tri && !bi) {
        for (const char *keyword : {"FldA", "FldB", "FldC", "FldD", "BFpS"})
            store->selectChoice(QString::fromLatin1(keyword), noneName);
        store->selectChoice(QStringLiteral("cBiFld"), QStringLiteral("False"));
        store->selectChoice(QStringLiteral("cTriFld"), QStringLiteral("False"));
    }
    // Both on is the page's own conflict: nothing to mark.
}

void FinishingTab::checkFoldConstraints()
{
    if (triFoldButton->isChecked() && biFoldButton->isChecked()) {
        addCustomConstraint(triFoldLabel, triFoldLabel);
        addCustomConstraint(biFoldLabel, biFoldLabel);
    } else {
        removeCustomConstraint(triFoldLabel);
        removeCustomConstraint(biFoldLabel);
    }
}

void FinishingTab::toggleStaple(bool toggled)
{
    if (!toggled) {
        stapleLocationBox->setCurrentIndex(0);
        stapleCountBox->setCurrentIndex(0);
        return;
    }
    // A choice between two staple methods is no choice once one is "Off".
    kOption *count = currentOptionStore ? currentOptionStore->option(QStringLiteral("Scnt")) : nullptr;
    const bool enable = !count || count->choiceCount() > 2;
    stapleCountBox->setEnabled(enable);
    stapleCountLabel->setEnabled(enable);
}

void FinishingTab::togglePunch(bool toggled)
{
    if (!toggled)
        punchBox->setCurrentIndex(0);
}

void FinishingTab::toggleTriFold(bool toggled)
{
    if (toggled)
        return;
    foldDirectionBox->setCurrentIndex(0);
    triFoldSheetsBox->setCurrentIndex(0);
    printSideBox->setCurrentIndex(0);
}

void FinishingTab::toggleBiFold(bool toggled)
{
    if (!toggled)
        biFoldSheetsBox->setCurrentIndex(0);
}

// ---- loading and reporting -------------------------------------------------

void FinishingTab::loadFoldState()
{
    const bool hasFold = currentOptionStore->option(foldKeyword) != nullptr;
    if (hasFold) {
        biFoldButton->setEnabled(true);
        biFoldLabel->setEnabled(true);
        triFoldButton->setEnabled(true);
        triFoldLabel->setEnabled(true);
        const QString stored = readSettingValue(currentOptionStore->printerName(), foldKeyword);
        biFoldButton->setChecked(stored == bifold);
        triFoldButton->setChecked(stored == trifold);
    } else {
        biFoldButton->setEnabled(false);
        biFoldLabel->setEnabled(false);
        biFoldButton->setChecked(false);
        triFoldButton->setEnabled(false);
        triFoldLabel->setEnabled(false);
        triFoldButton->setChecked(false);
    }
    checkFoldConstraints();
}

void FinishingTab::reload()
{
    OptionStore *store = currentOptionStore;
    if (!store)
        return;
    const QString queue = store->printerName();

    blockWidgetSignals(true);
    loadFoldState();

    if (!store->option(QStringLiteral("Stpl"))) {
        stapleButton->setChecked(false);
    } else {
        const QString stored = readSettingValue(queue, QStringLiteral("Stpl"));
        bool stapled = false;
        for (const char *position : {"Center", "Rear", "Front", "BookletStitch", "Internal"})
            stapled = stapled || stored.contains(QLatin1String(position));
        stapleButton->setChecked(stapled);
    }

    if (store->option(QStringLiteral("Pnch"))) {
        punchMethodLabel->setEnabled(true);
        punchButton->setChecked(readSettingValue(queue, QStringLiteral("Pnch")).contains(QLatin1String("Hole")));
    } else {
        punchMethodLabel->setEnabled(false);
        punchButton->setChecked(false);
    }

    if (!store->option(QStringLiteral("Rotate")))
        rotateGroup->setButton(0);

    if (kOption *separation = store->option(QStringLiteral("Sep"))) {
        separationGroup->setEnabled(true);
        separationGroup->enableButton(2, separation->choiceByName(QStringLiteral("Rot")) != nullptr);
        separationGroup->enableButton(1, separation->choiceByName(QStringLiteral("Jog")) != nullptr);
    } else {
        separationGroup->select(tr("Off"));
    }
    blockWidgetSignals(false);

    Tab::reload();

    blockWidgetSignals(true);
    CheckBoxMarkConstraintsWithSender(punchButton);
    CheckBoxMarkConstraintsWithSender(stapleButton);
    toggleStaple(stapleButton->isChecked());
    blockWidgetSignals(false);
}

QHash<QString, QString> FinishingTab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    collectBoundOptions();
    if (optionFor(foldKeyword)) {
        const QString fold = biFoldButton->isChecked() ? bifold : triFoldButton->isChecked() ? trifold : noneName;
        options.insert(foldKeyword, fold);
    }
    // A button that is off stands for "None" in every option behind it.
    const QList<OffDependent> off = offDependents();
    for (const OffDependent &dependent : off)
        options.insert(dependent.keyword, noneName);
    return options;
}

void FinishingTab::clearConflictMarks()
{
    Tab::clearConflictMarks();
    removeErrorMark(triFoldLabel);
    removeErrorMark(biFoldLabel);
}

QList<Tab::DetailRow> FinishingTab::detailRows()
{
    return {
        {QStringLiteral("Sep"), tr("Separation")},
        {QStringLiteral("FldA"), tr("Folding mode")},
        {QStringLiteral("FldB"), tr("Folding side")},
        {QStringLiteral("FldC"), tr("Folding direction")},
        {QStringLiteral("FldD"), tr("Folding method")},
        {QStringLiteral("Stpl"), tr("Staple")},
        {QStringLiteral("Scnt"), tr("Staple method")},
        {QStringLiteral("Pnch"), tr("Punch")},
        {QStringLiteral("Rotate"), rotate180Label()},
    };
}
