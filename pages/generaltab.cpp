#include "generaltab.h"

#include "optionstore.h"
#include "pagewidgets.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace {
const QString customName = QStringLiteral("Custom");
// Options the settings snapshot repeats the page size under.
const char *const pageSizeCompanions[] = {"PageRegion", "ImageableArea", "PaperDimension", "MediaSize"};
const QString groupSheet = QStringLiteral(
    "ZelButtonGroup{ none; margin-top: 8px; margin-bottom: 8px } QPushButton { border: none; outline: } ");

}

GeneralTab::GeneralTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
    layOut();
    // After the base connections, so the choice is marked and the pass has
    // run before the Imaging page follows.
    if (dialog && dialog->metaObject()->indexOfSlot("toggleColorMode()") >= 0)
        connect(colorGroup, SIGNAL(buttonClicked(int)), dialog, SLOT(toggleColorMode()));
}

void GeneralTab::setTabName()
{
    pageTitle = tr("Basic");
    pageTitle = tabName();
}

void GeneralTab::buildUi()
{
    pageTitle = tr("Basic");

    pageSizeLabel = newCaption(this, tr("Media size") + QLatin1Char(':'), QStringLiteral("lblPageSize"));
    pageSizeBox = newComboBox(this, QStringLiteral("cmbBxPageSize"), 215);
    mediaTypeLabel = newCaption(this, tr("Media type") + QLatin1Char(':'), QStringLiteral("lblMediaType"));
    mediaTypeBox = newComboBox(this, QStringLiteral("cmbBxMediaType"), 215);
    inputSlotLabel = newCaption(this, tr("Source") + QLatin1Char(':'), QStringLiteral("lblInputSlot"));
    inputSlotBox = newComboBox(this, QStringLiteral("cmbBxInputSlot"), 215);
    outputBinLabel = newCaption(this, tr("Destination") + QLatin1Char(':'), QStringLiteral("lblOutputBin"));
    outputBinBox = newComboBox(this, QStringLiteral("cmbBxOutputBin"), 215);

    collateGroup = new ZelButtonGroup(this, tr("Collate") + QStringLiteral(": "));
    collateGroup->addButton(tr("Off"), QStringLiteral(":/icons/collate-off"));
    collateGroup->addButton(tr("On"), QStringLiteral(":/icons/collate-on"));
    collateGroup->setAccessibleName(QStringLiteral("butGroupCol"));

    duplexGroup = new ZelButtonGroup(this, tr("Duplex") + QStringLiteral(": "));
    duplexGroup->addButton(tr("Off"), QStringLiteral(":/icons/duplex-off"));
    duplexGroup->addButton(tr("Long edge"), QStringLiteral(":/icons/duplex-long"));
    duplexGroup->addButton(tr("Short edge"), QStringLiteral(":/icons/duplex-short"));
    duplexGroup->setAccessibleName(QStringLiteral("butGroupDuplex"));

    colorGroup = new ZelButtonGroup(this, tr("Color") + QStringLiteral(": "));
    colorGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"));
    colorGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"));
    colorGroup->setFixedWidth(200);
    colorGroup->setCaptionEnabled(true);
    colorGroup->setAccessibleName(QStringLiteral("butGroupColorModelGeneral"));

    optionWidgets.insert(QStringLiteral("PageSize"), pageSizeBox);
    optionWidgets.insert(QStringLiteral("MediaType"), mediaTypeBox);
    optionWidgets.insert(QStringLiteral("InputSlot"), inputSlotBox);
    optionWidgets.insert(QStringLiteral("OutputBin"), outputBinBox);
    optionWidgets.insert(QStringLiteral("Coll"), collateGroup);
    optionWidgets.insert(QStringLiteral("Duplex"), duplexGroup);
    optionWidgets.insert(QStringLiteral("ColorModel"), colorGroup);

    // No caption entry for the colour group: its mark is cleared here.
    labelWidgets.insert(QStringLiteral("PageSize"), pageSizeLabel);
    labelWidgets.insert(QStringLiteral("MediaType"), mediaTypeLabel);
    labelWidgets.insert(QStringLiteral("InputSlot"), inputSlotLabel);
    labelWidgets.insert(QStringLiteral("OutputBin"), outputBinLabel);
    labelWidgets.insert(QStringLiteral("Coll"), collateGroup);
    labelWidgets.insert(QStringLiteral("Duplex"), duplexGroup);
}

void GeneralTab::layOut()
{
    auto *left = new QGridLayout;
    const Qt::Alignment captionAlign = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment boxAlign = Qt::AlignLeft | Qt::AlignTop;
    left->addWidget(pageSizeLabel, 0, 1, captionAlign);
    left->addWidget(pageSizeBox, 1, 1, boxAlign);
    left->addWidget(mediaTypeLabel, 2, 1, captionAlign);
    left->addWidget(mediaTypeBox, 3, 1, boxAlign);
    left->addWidget(inputSlotLabel, 4, 1, captionAlign);
    left->addWidget(inputSlotBox, 5, 1, boxAlign);
    left->addWidget(outputBinLabel, 7, 1, captionAlign);
    left->addWidget(outputBinBox, 8, 1, boxAlign);
    left->setColumnStretch(2, 1);
    left->setRowStretch(12, 1);

    auto *right = new QGridLayout;
    right->addWidget(collateGroup, 0, 0, 1, 2, Qt::AlignLeft);
    right->addWidget(newLine(QFrame::HLine), 1, 0, 1, 4);
    right->addWidget(duplexGroup, 2, 0, 1, 3, Qt::AlignLeft);
    right->addWidget(newLine(QFrame::HLine), 3, 0, 1, 4);
    right->addWidget(colorGroup, 4, 0, 1, 2, Qt::AlignLeft);
    right->setColumnStretch(2, 1);
    right->setRowStretch(9, 1);
    duplexGroup->setStyleSheet(groupSheet);
    colorGroup->setStyleSheet(groupSheet);

    newTwoColumnLayout(this, left, right);

    setTabOrder(pageSizeBox, mediaTypeBox);
    setTabOrder(mediaTypeBox, inputSlotBox);
    setTabOrder(inputSlotBox, outputBinBox);
    setTabOrder(outputBinBox, collateGroup->button(0));
    setTabOrder(collateGroup->button(0), collateGroup->button(1));
}

QIcon GeneralTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon GeneralTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

bool GeneralTab::isSupported()
{
    return currentOptionStore != nullptr;
}

void GeneralTab::addComboItems(QComboBox *comboBox, kOption *option)
{
    if (!comboBox || !option)
        return;
    const QList<kChoice *> choices = option->choices();
    for (const kChoice *choice : choices) {
        if (choice->name() != customName)
            comboBox->addItem(choice->text());
    }
}

void GeneralTab::reload()
{
    if (!currentOptionStore)
        return;
    blockWidgetSignals(true);
    setTabName();
    customConstraintWidgets->clear();
    clearConflictMarks();
    updateCaptions();
    loadWidgetsFromOptions();
    markAllOptions();
    enableOptions();
    applyColorModeFallback(colorGroup, tr("Black & white"));
    colorGroup->repaint();
    blockWidgetSignals(false);
}

void GeneralTab::updateCaptions()
{
    updateLabels();
    outputBinLabel->setText(tr("Destination") + QLatin1Char(':'));
    inputSlotLabel->setText(tr("Source") + QLatin1Char(':'));
    pageSizeLabel->setText(tr("Print size") + QLatin1Char(':'));
}

QHash<QString, QString> GeneralTab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    collectBoundOptions();
    const QString pageSize = options.value(QStringLiteral("PageSize"));
    if (!pageSize.isEmpty()) {
        for (const char *companion : pageSizeCompanions)
            options.insert(QString::fromLatin1(companion), pageSize);
    }
    return options;
}

void GeneralTab::clearConflictMarks()
{
    Tab::clearConflictMarks();
    colorGroup->setErrorIcon(false);
}

bool GeneralTab::enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option)
{
    const bool moved = Tab::enableOptionsForButtonGroup(button_group, option);
    if (option && button_group && option->keyword() == QLatin1String("ColorModel") && option->choiceCount() == 1) {
        button_group->select(tr("Black & white"));
        button_group->setEnabled(false);
        button_group->setCaptionEnabled(true);
    }
    return moved;
}

QList<Tab::DetailRow> GeneralTab::detailRows()
{
    return {
        {QStringLiteral("PageSize"), tr("Print size")},
        {QStringLiteral("MediaType"), tr("Media type")},
        {QStringLiteral("InputSlot"), tr("Source")},
        {QStringLiteral("OutputBin"), tr("Destination")},
        {QStringLiteral("Coll"), tr("Collate")},
        {QStringLiteral("Duplex"), tr("Duplex")},
    };
}
