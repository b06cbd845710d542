#include "imagingtab.h"

#include "adjustmentdialog.h"
#include "comboboxex.h"
#include "kchoice.h"
#include "koption.h"
#include "monodialog.h"
#include "optionstore.h"
#include "pagewidgets.h"
#include "settingsfile.h"
#include "zelbuttongroup.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {
const QString thftKeyword = QStringLiteral("Thft");

QLabel *caption(QWidget *parent, const QString &text, const QString &name)
{
    auto *label = new QLabel(text + QLatin1Char(':'), parent);
    label->setAccessibleName(name);
    return label;
}
}

ImagingTab::ImagingTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
    layOut();
}

void ImagingTab::setTabName()
{
    pageTitle = tr("Imaging");
    pageTitle = tabName();
}

void ImagingTab::buildUi()
{
    pageTitle = tr("Imaging");

    printQualityLabel = caption(this, tr("Print quality"), QStringLiteral("lblPrintQuality"));
    trapLabel = caption(this, tr("Trapping"), QStringLiteral("lblTrap"));
    trapComboBox = newComboBox(this, QStringLiteral("cmbBxTrap"), 175);
    printQualityImage = new QLabel(this);
    printQualityImage->setPixmap(QPixmap(QStringLiteral(":/icons/print-quality")));
    printQualityImage->setAccessibleName(QStringLiteral("iconTrapping"));

    colorGroup = new ZelButtonGroup(this, tr("Color") + QStringLiteral(": "));
    colorGroup->addButton(tr("Full color"), QStringLiteral(":/icons/color"));
    colorGroup->addButton(tr("Black & white"), QStringLiteral(":/icons/monochrome"));

    grayCheckBox = new QCheckBox(tr("Print grays with black toner"), this);
    grayCheckBox->setAccessibleName(QStringLiteral("chkBxGBTn"));
    resolutionLabel = caption(this, tr("Resolution"), QStringLiteral("lblResolution"));
    resolutionComboBox = newComboBox(this, QStringLiteral("cmbBxResolution"), 175);
    smoothingCheckBox = new QCheckBox(tr("ZIR"), this);
    smoothingCheckBox->setAccessibleName(QStringLiteral("chkBxSmoothing"));

    thriftinkButtons = new ZelButtonGroup(this, tr("Thriftink") + QLatin1Char(':'));
    thriftinkButtons->setAccessibleName(QStringLiteral("butGroupThft"));
    thriftinkButtons->addButton(tr("Off"), QStringLiteral(":/icons/thriftink-off"));
    thriftinkButtons->addButton(tr("On"), QStringLiteral(":/icons/thriftink-on"));
    levelComboBox = newComboBox(this, QStringLiteral("cmbBxThft"), 0);

    glossCheckBox = new QCheckBox(tr("Gloss mode"), this);
    glossCheckBox->setAccessibleName(QStringLiteral("chkBxZVGlossMode"));
    adjustmentLabel = caption(this, tr("Adjustment"), QStringLiteral("lblAdjustment"));
    adjustmentButton = new QPushButton(tr("Settings..."), this);
    adjustmentButton->setAccessibleName(QStringLiteral("butAdjustment"));
    halftoneLabel = caption(this, tr("Halftone screen"), QStringLiteral("lblZVSCREENMODE"));
    halftoneComboBox = newComboBox(this, QStringLiteral("cmbBxZVSCREENMODE"), 175);
    reproductionLabel = caption(this, tr("Color reproduction"), QStringLiteral("lblCrep"));
    reproductionComboBox = newComboBox(this, QStringLiteral("cmbBxCrep"), 175);
    conversionLabel = caption(this, tr("Color conversion"), QStringLiteral("lblRCM"));
    conversionComboBox = newComboBox(this, QStringLiteral("cmbBxRCM"), 175);
    cieLabel = caption(this, tr("CIE optimization"), QStringLiteral("lblCIE"));
    cieComboBox = newComboBox(this, QStringLiteral("cmbBxCIE"), 175);

    colorAdjustment = new adjustmentDialog(this);
    monoAdjustment = new monoDialog(this);

    optionWidgets.insert(QStringLiteral("ZSCREENMODE"), halftoneComboBox);
    optionWidgets.insert(QStringLiteral("Trap"), trapComboBox);
    optionWidgets.insert(QStringLiteral("ColorModel"), colorGroup);
    optionWidgets.insert(QStringLiteral("GBTn"), grayCheckBox);
    optionWidgets.insert(QStringLiteral("Resolution"), resolutionComboBox);
    optionWidgets.insert(QStringLiteral("Smoothing"), smoothingCheckBox);
    optionWidgets.insert(QStringLiteral("cThft"), levelComboBox);
    optionWidgets.insert(QStringLiteral("ZVGlossmode"), glossCheckBox);
    optionWidgets.insert(QStringLiteral("Crep"), reproductionComboBox);
    optionWidgets.insert(QStringLiteral("RCM"), conversionComboBox);
    optionWidgets.insert(QStringLiteral("CIE"), cieComboBox);

    labelWidgets.insert(QStringLiteral("ZSCREENMODE"), halftoneLabel);
    labelWidgets.insert(QStringLiteral("Cadj"), adjustmentLabel);
    labelWidgets.insert(QStringLiteral("Trap"), trapLabel);
    labelWidgets.insert(QStringLiteral("GBTn"), grayCheckBox);
    labelWidgets.insert(QStringLiteral("Smoothing"), smoothingCheckBox);
    labelWidgets.insert(thftKeyword, thriftinkButtons);
    labelWidgets.insert(QStringLiteral("ZVGlossmode"), glossCheckBox);
    labelWidgets.insert(QStringLiteral("Crep"), reproductionLabel);
    labelWidgets.insert(QStringLiteral("RCM"), conversionLabel);
    labelWidgets.insert(QStringLiteral("CIE"), cieLabel);
    labelWidgets.insert(QStringLiteral("ColorModel"), colorGroup);

    connect(thriftinkButtons, SIGNAL(buttonClicked(int)), this, SLOT(thriftinkButtonToggled()));
    connectToDialog(thriftinkButtons, SIGNAL(buttonClicked(int)));
    connect(levelComboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(thriftinkComboBoxChanged()));
    connectToDialog(levelComboBox, SIGNAL(currentIndexChanged(int)));
    connect(adjustmentButton, SIGNAL(clicked()), this, SLOT(showAdjustmentDialog()));
    if (dialog && dialog->metaObject()->indexOfSlot("toggleColorMode()") >= 0)
        connect(colorGroup, SIGNAL(buttonClicked(int)), dialog, SLOT(toggleColorMode()));
    connect(colorGroup, SIGNAL(buttonClicked(int)), this, SLOT(clearDialogSettings()));
}

void ImagingTab::layOut()
{
    // Spans end in the last column that holds a widget: each further column a
    // span reaches costs its spacing on a page the two columns share.
    auto *left = new QGridLayout;
    left->addWidget(printQualityImage, 0, 0, 2, 1, Qt::AlignLeft);
    left->addWidget(printQualityLabel, 0, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapLabel, 1, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(trapComboBox, 2, 1, 1, 1, Qt::AlignLeft | Qt::AlignVCenter);
    left->addWidget(glossCheckBox, 3, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(cieLabel, 4, 1, 1, 1, Qt::AlignLeft);
    left->addWidget(cieComboBox, 5, 1, 1, 1, Qt::AlignLeft);
    left->addWidget(halftoneLabel, 6, 1, 1, 1, Qt::AlignLeft);
    left->addWidget(halftoneComboBox, 7, 1, 1, 1, Qt::AlignLeft);
    left->addWidget(resolutionLabel, 8, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    left->addWidget(resolutionComboBox, 9, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    left->addWidget(newLine(QFrame::HLine), 10, 0, 1, 2);
    auto *toner = new QGridLayout;
    toner->addWidget(thriftinkButtons, 0, 0, 1, 1, Qt::AlignLeft);
    toner->addWidget(levelComboBox, 0, 2, 1, 1, Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter);
    left->addLayout(toner, 11, 0, 1, 2, Qt::AlignLeft);
    left->setColumnStretch(1, 1);
    left->setRowStretch(17, 1);

    // Column 0 stays empty: the lines start in column 1 with the widgets.
    auto *right = new QGridLayout;
    right->addWidget(colorGroup, 0, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(newLine(QFrame::HLine), 1, 1, 1, 1);
    right->addWidget(adjustmentLabel, 2, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(adjustmentButton, 3, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(reproductionLabel, 4, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(reproductionComboBox, 5, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(conversionLabel, 6, 1, 1, 1, Qt::AlignLeft | Qt::AlignBottom);
    right->addWidget(conversionComboBox, 7, 1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    right->addWidget(newLine(QFrame::HLine), 8, 1, 1, 1);
    right->addWidget(smoothingCheckBox, 10, 1, 1, 1, Qt::AlignLeft);
    right->addWidget(grayCheckBox, 11, 1, 1, 1, Qt::AlignLeft);
    right->setColumnStretch(1, 1);
    right->setRowStretch(12, 1);

    newTwoColumnLayout(this, left, right);
}

QIcon ImagingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging"));
}

QIcon ImagingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging-constraint"));
}

bool ImagingTab::isSupported()
{
    if (!currentOptionStore)
        return false;
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        if (currentOptionStore->option(it.key()))
            return true;
    }
    return false;
}

void ImagingTab::retranslateUi()
{
    adjustmentLabel->setText(tr("Adjustment") + QLatin1Char(':'));
    adjustmentButton->setText(tr("Settings..."));
    resolutionLabel->setText(tr("Resolution") + QLatin1Char(':'));
}

void ImagingTab::clearConflictMarks()
{
    Tab::clearConflictMarks();
    if (colorGroup->isEnabled())
        colorGroup->setErrorIcon(false);
}

QHash<QString, QString> ImagingTab::getExtraOptions()
{
    return QHash<QString, QString>();
}

// ---- loading ---------------------------------------------------------------

void ImagingTab::reload()
{
    if (!currentOptionStore)
        return;
    blockWidgetSignals(true);
    setTabName();
    customConstraintWidgets->clear();
    clearConflictMarks();
    updateLabels();
    updateAdjustmentButton();
    colorAdjustment->loadStoredValues();
    monoAdjustment->loadStoredValues();
    printQualityImage->setEnabled(true);
    printQualityLabel->setEnabled(true);
    resolutionLabel->setEnabled(true);
    loadWidgetsFromOptions();
    loadThriftink();
    updateResolutionCombo();
    applyColorModeFallback(colorGroup, tr("Black & white"));
    markAllOptions();
    blockWidgetSignals(false);
}

void ImagingTab::resetUnsupported()
{
    // The adjustments reach the settings of every printer with the maker's
    // own filter: another printer's must not.
    colorAdjustment->forgetValues();
    monoAdjustment->forgetValues();
}

void ImagingTab::updateAdjustmentButton()
{
    adjustmentButton->setEnabled(false);
    adjustmentLabel->setEnabled(false);
    if (optionFor(QStringLiteral("Cadj")) || optionFor(QStringLiteral("Madj"))) {
        adjustmentButton->setEnabled(true);
        adjustmentLabel->setEnabled(true);
    }
}

void ImagingTab::updateResolutionCombo()
{
    if (optionFor(QStringLiteral("Resolution")))
        return;
    resolutionComboBox->clear();
    resolutionComboBox->addItem(tr("600 dpi"));
}

void ImagingTab::setLevelIndex(int index)
{
    // A position past the list (three choices) or before it (a stored value
    // naming the first choice) would leave the box on no item and report
    // "Level0"; the nearest item stands in.
    const int last = levelComboBox->count() - 1;
    if (index > last)
        index = last;
    if (index < 0)
        index = 0;
    levelComboBox->setCurrentIndex(index);
}

void ImagingTab::loadThriftink()
{
    kOption *option = optionFor(thftKeyword);
    if (!option) {
        thriftinkButtons->setEnabled(false);
        levelComboBox->hide();
        thriftinkButtons->select(tr("Off"));
        return;
    }

    const QString stored = readSettingValue(currentOptionStore->printerName(), thftKeyword);
    const kChoice *defaultChoice = option->defaultChoice();
    QString chosen;
    thriftinkButtons->setEnabled(true);

    if (stored == QLatin1String("On") || stored.contains(QLatin1String("Level"))) {
        thriftinkButtons->select(tr("On"));
        thriftinkButtonToggled();
        chosen = stored;
    } else if (stored.isEmpty() && defaultChoice
               && (defaultChoice->name() == QLatin1String("On")
                   || defaultChoice->name().contains(QLatin1String("Level")))) {
        thriftinkButtons->select(tr("On"));
        thriftinkButtonToggled();
        chosen = defaultChoice->name();
    } else {
        thriftinkButtons->select(tr("Off"));
        levelComboBox->setEnabled(false);
        thriftinkButtonToggled();
    }

    const QList<kChoice *> choices = option->choices();
    if (choices.size() > 2) {
        levelComboBox->show();
        levelComboBox->clear();
        for (int i = 1; i < choices.size(); ++i)
            levelComboBox->addItem(choices.at(i)->text());
        int position = -1;
        for (int i = 0; i < choices.size(); ++i) {
            if (choices.at(i)->name() == chosen) {
                position = i;
                break;
            }
        }
        setLevelIndex(position < 0 ? 2 : position - 1);
    } else {
        levelComboBox->hide();
    }
}

// ---- toner saving ----------------------------------------------------------

void ImagingTab::thriftinkButtonToggled()
{
    kOption *option = optionFor(thftKeyword);
    if (!option)
        return;
    if (thriftinkButtons->checkedIndex() != 0) {
        if (kChoice *on = option->choiceByName(QStringLiteral("On"))) {
            option->select(on);
        } else {
            option->select(option->choiceByName(QStringLiteral("Level3")));
            levelComboBox->setEnabled(true);
        }
        return;
    }
    levelComboBox->setEnabled(false);
    if (option->choiceCount() == 6)
        setLevelIndex(2);
    option->select(option->choiceByName(QStringLiteral("Off")));
}

void ImagingTab::thriftinkComboBoxChanged()
{
    if (!levelComboBox->isEnabled())
        return;
    const QString name = QStringLiteral("Level") + QString::number(levelComboBox->currentIndex() + 1);
    kOption *option = optionFor(thftKeyword);
    if (!option)
        return;
    if (kChoice *choice = option->choiceByName(name))
        option->select(choice);
}

// ---- greying ---------------------------------------------------------------

bool ImagingTab::enableOptions()
{
    const bool changed = Tab::enableOptions();
    kOption *option = optionFor(thftKeyword);
    if (!option || option->choiceCount() == 0)
        return changed;
    const kChoice *first = option->choices().first();
    if (!first->isConstrained()) {
        thriftinkButtons->setEnabled(true);
        return changed;
    }
    // Toner saving may not be off: lock it on.
    thriftinkButtons->setEnabled(false);
    thriftinkButtons->setCaptionEnabled(true);
    if (thriftinkButtons->checkedIndex() != 0)
        return changed;
    thriftinkButtons->setButton(1);
    currentOptionStore->selectChoice(thftKeyword, option->choiceCount() == 2 ? QStringLiteral("On")
                                                                             : QStringLiteral("Level3"));
    thriftinkButtonToggled();
    return true;
}

bool ImagingTab::enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option)
{
    const bool result = Tab::enableOptionsForButtonGroup(button_group, option);
    if (!option || option->keyword() != QLatin1String("ColorModel"))
        return result;
    if (option->choiceCount() == 1) {
        colorGroup->select(tr("Black & white"));
        colorGroup->setEnabled(false);
        colorGroup->setCaptionEnabled(true);
        return result;
    }
    if (const kChoice *marked = option->markedChoice()) {
        const bool color = marked->name() == QLatin1String("CMYK") || marked->name() == QLatin1String("RGB");
        button_group->setButton(color ? 0 : 1);
    }
    return result;
}

// ---- adjustments -----------------------------------------------------------

void ImagingTab::showAdjustmentDialog()
{
    if (colorGroup->checkedIndex() == 0)
        colorAdjustment->exec();
    else
        monoAdjustment->exec();
}

void ImagingTab::clearDialogSettings(int selection)
{
    if (selection != 0)
        colorAdjustment->resetStates();
    else
        monoAdjustment->resetStates();
}

void ImagingTab::clearDialogSettings()
{
    clearDialogSettings(colorGroup->checkedIndex());
}

// ---- reporting -------------------------------------------------------------

QHash<QString, QString> ImagingTab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    collectBoundOptions();
    if (!optionFor(QStringLiteral("ColorModel")))
        options.insert(QStringLiteral("ColorModel"), QStringLiteral("Gray"));
    if (kOption *thft = optionFor(thftKeyword)) {
        QString value = QStringLiteral("Off");
        if (thriftinkButtons->checkedIndex() != 0) {
            value = thft->choiceCount() > 2
                ? QStringLiteral("Level") + QString::number(qMax(0, levelComboBox->currentIndex()) + 1)
                : QStringLiteral("On");
        }
        options.insert(thftKeyword, value);
    }
    const bool printerFilter = !currentOptionStore->hasRasterOrPdfFilter();
    if (printerFilter && optionFor(QStringLiteral("ColorModel"))) {
        const QList<QPair<QString, QString>> pairs = colorAdjustment->getOptions();
        for (const auto &pair : pairs)
            options.insert(pair.first, pair.second);
    }
    if (printerFilter) {
        const QList<QPair<QString, QString>> pairs = monoAdjustment->getOptions();
        for (const auto &pair : pairs)
            options.insert(pair.first, pair.second);
    }
    return options;
}

QList<Tab::DetailRow> ImagingTab::detailRows()
{
    return {
        {QStringLiteral("Trap"), tr("Trapping")},
        {QStringLiteral("ZVGlossmode"), tr("Gloss mode")},
        {QStringLiteral("CIE"), tr("CIE optimization")},
        {QStringLiteral("ZSCREENMODE"), tr("Halftone screen")},
        {QStringLiteral("Resolution"), tr("Resolution")},
        {QStringLiteral("Thft"), tr("Thriftink")},
        {QStringLiteral("CaColorSpace"), tr("HSL/Color Balance")},
        {QStringLiteral("Cadj"), tr("Color adjustment")},
        {QStringLiteral("Madj"), tr("Monochrome adjustment")},
        {QStringLiteral("ColorModel"), tr("Color mode")},
        {QStringLiteral("Crep"), tr("Color reproduction")},
        {QStringLiteral("RCM"), tr("Color conversion")},
        {QStringLiteral("Smoothing"), tr("ZIR")},
        {QStringLiteral("GBTn"), tr("Print grays with black toner")},
    };
}
