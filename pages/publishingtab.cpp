#include "publishingtab.h"

#include "optionstore.h"
#include "pagelistcheck.h"
#include "pagewidgets.h"
#include "settingsfile.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

namespace {
const QString trueText = QStringLiteral("True");
const QString falseText = QStringLiteral("False");

// Every keyword the page binds; the page is offered when the printer has one.
const char *const boundKeywords[] = {
    "CvrM", "Pmed", "Tmed", "cCovBut", "cCovTRad", "cCovBRad", "cCovPOFO", "cCovPOFI",
    "cCovPOBO", "cCovPOBI", "cInsBut", "cInsPrnF", "cInsPrnB", "cIntBut", "cIntPrn"};

// The section buttons' keywords: interleaving excludes the other two.
const char *const sectionKeywords[] = {"cCovBut", "cInsBut", "cIntBut"};

// The five page-list messages, translated where they are shown.
const char *const messageEmpty = QT_TRANSLATE_NOOP("PublishingTab", "Please type a page range.");
const char *const messageSyntax = QT_TRANSLATE_NOOP("PublishingTab", "Please enter your specified pages.");
const char *const messageTooMany = QT_TRANSLATE_NOOP("PublishingTab", "You can only insert up to 50 pages.");
const char *const messageBelowThree =
    QT_TRANSLATE_NOOP("PublishingTab", "You can only enter page numbers between 3 and 511");
const char *const messageOutside =
    QT_TRANSLATE_NOOP("PublishingTab", "You can only enter page numbers between 2 and 511");

// A stored number; anything that is not one counts as 0.
int storedNumber(const QString &key)
{
    bool ok = false;
    const int value = readSettingValue(QString(), key).toInt(&ok, 10);
    return ok ? value : 0;
}

QString storedText(const QString &key)
{
    return readSettingValue(QString(), key);
}

}

PublishingTab::PublishingTab(QWidget *dialog)
    : Tab(dialog)
{
    acceptedPages.clear();
    buildUi();
    connectWidgets();
    setStyleSheet(QStringLiteral("ComboBoxEx{ margin-bottom: 0px }ZelButtonGroup{ margin-bottom: 0px }"
                                 "QCheckBox{ margin-bottom: 0px }ZelCheckBoxButton{ margin-bottom: 0px; }"));
    layoutPage();
    connectPage();
}

PublishingTab::~PublishingTab() = default;

void PublishingTab::setTabName()
{
    pageTitle = tabName();
}

void PublishingTab::buildUi()
{
    pageTitle = tr("Publishing");

    auto label = [this](const QString &name, const QString &text) {
        auto *widget = new QLabel(text, this);
        widget->setAccessibleName(name);
        return widget;
    };
    auto checkBox = [this](const QString &name, const QString &text) {
        auto *widget = new QCheckBox(text, this);
        widget->setAccessibleName(name);
        return widget;
    };

    // Cover mode.
    lblCvrMode = label(QStringLiteral("lblCvrMode"), tr("Cover mode:"));
    rdButCvrFront = new QRadioButton(tr("Front"), this);
    rdButCvrFront->setAccessibleName(QStringLiteral("rdButCvrFront"));
    rdButCvrFrontBack = new QRadioButton(tr("Front and back"), this);
    rdButCvrFrontBack->setAccessibleName(QStringLiteral("rdButCvrFrontBack"));
    lblCvrPrintOnto = label(QStringLiteral("lblCvrPrintOnto"), tr("Print onto:"));
    lblCvrFront = label(QStringLiteral("lblCvrFront"), tr("Front"));
    chkBxCvrFrontOut = checkBox(QStringLiteral("chkBxCvrFrontOut"), tr("Outside"));
    chkBxCvrFrontIn = checkBox(QStringLiteral("chkBxCvrFrontIn"), tr("Inside"));
    lblCvrBack = label(QStringLiteral("lblCvrBack"), tr("Back"));
    chkBxCvrBackOut = checkBox(QStringLiteral("chkBxCvrBackOut"), tr("Outside"));
    chkBxCvrBackIn = checkBox(QStringLiteral("chkBxCvrBackIn"), tr("Inside"));
    lblCvrM = label(QStringLiteral("lblCvrM"), tr("Media for cover:"));
    cmbBxCvrM = newComboBox(this, QStringLiteral("cmbBxCvrM"), 185);
    chkButCvr = new ZelCheckBoxButton(this, tr("Cover mode:"), QIcon(QStringLiteral(":/icons/covermode")));
    chkButCvr->setAccessibleName(QStringLiteral("chkButCvr"));

    // Page insert.
    lblPins = label(QStringLiteral("lblPins"), tr("Page insert:"));
    chkBxPinsPrintOntoFront = checkBox(QStringLiteral("chkBxPinsPrintOntoFront"), tr("Print onto front"));
    chkBxPinsPrintOntoBack = checkBox(QStringLiteral("chkBxPinsPrintOntoBack"), tr("Print onto back"));
    lblPinsPage = label(QStringLiteral("lblPinsPage"), tr("Insert before pages:"));
    lnEditPinsPage = new QLineEdit(this);
    lnEditPinsPage->setAccessibleName(QStringLiteral("lnEditPinsPage"));
    lnEditPinsPage->setMinimumWidth(185);
    lblPMed = label(QStringLiteral("lblPMed"), tr("Media for page:"));
    cmbBxPMed = newComboBox(this, QStringLiteral("cmbBxPMed"), 185);
    chkButPins = new ZelCheckBoxButton(this, tr("Page insert:"), QIcon(QStringLiteral(":/icons/pageinsert")));
    chkButPins->setAccessibleName(QStringLiteral("chkButPins"));

    // Transparency interleaving.
    lblTint = label(QStringLiteral("lblTint"), tr("Transparency interleaving:"));
    chkBxTintPrintOnto = checkBox(QStringLiteral("chkBxTintPrintOnto"), tr("Print onto backing"));
    lblTMed = label(QStringLiteral("lblTMed"), tr("Media for backing:"));
    cmbBxTMed = newComboBox(this, QStringLiteral("cmbBxTMed"), 185);
    chkButTint = new ZelCheckBoxButton(this, tr("Transparency interleaving:"),
                                       QIcon(QStringLiteral(":/icons/transparency")));
    chkButTint->setAccessibleName(QStringLiteral("chkButTint"));

    pageListValidator = new QRegExpValidator(QRegExp(QStringLiteral("\\d[\\d ,-]*"), Qt::CaseSensitive), this);
    lnEditPinsPage->setValidator(pageListValidator);

    optionWidgets.insert(QStringLiteral("cCovTRad"), rdButCvrFront);
    optionWidgets.insert(QStringLiteral("cCovBRad"), rdButCvrFrontBack);
    optionWidgets.insert(QStringLiteral("cCovPOFO"), chkBxCvrFrontOut);
    optionWidgets.insert(QStringLiteral("cCovPOFI"), chkBxCvrFrontIn);
    optionWidgets.insert(QStringLiteral("cCovPOBO"), chkBxCvrBackOut);
    optionWidgets.insert(QStringLiteral("cCovPOBI"), chkBxCvrBackIn);
    optionWidgets.insert(QStringLiteral("CvrM"), cmbBxCvrM);
    optionWidgets.insert(QStringLiteral("cCovBut"), chkButCvr);
    optionWidgets.insert(QStringLiteral("cInsPrnF"), chkBxPinsPrintOntoFront);
    optionWidgets.insert(QStringLiteral("cInsPrnB"), chkBxPinsPrintOntoBack);
    optionWidgets.insert(QStringLiteral("Pmed"), cmbBxPMed);
    optionWidgets.insert(QStringLiteral("cInsBut"), chkButPins);
    optionWidgets.insert(QStringLiteral("cIntPrn"), chkBxTintPrintOnto);
    optionWidgets.insert(QStringLiteral("Tmed"), cmbBxTMed);
    optionWidgets.insert(QStringLiteral("cIntBut"), chkButTint);

    labelWidgets.insert(QStringLiteral("CvrM"), lblCvrM);
    labelWidgets.insert(QStringLiteral("Pmed"), lblPMed);
    labelWidgets.insert(QStringLiteral("Tmed"), lblTMed);

    checkBoxButtons << chkButCvr << chkButPins << chkButTint;
    for (QWidget *dependent : std::initializer_list<QWidget *>{
             rdButCvrFront, rdButCvrFrontBack, lblCvrPrintOnto, lblCvrFront, chkBxCvrFrontOut, chkBxCvrFrontIn,
             lblCvrBack, chkBxCvrBackOut, chkBxCvrBackIn, lblCvrM, cmbBxCvrM})
        chkButCvr->addDependent(dependent, noDefault);
    for (QWidget *dependent : std::initializer_list<QWidget *>{
             chkBxPinsPrintOntoFront, chkBxPinsPrintOntoBack, lblPinsPage, lnEditPinsPage, lblPMed, cmbBxPMed})
        chkButPins->addDependent(dependent, noDefault);
    for (QWidget *dependent : std::initializer_list<QWidget *>{chkBxTintPrintOnto, lblTMed, cmbBxTMed})
        chkButTint->addDependent(dependent, noDefault);

    pageListInvalid = false;
}

void PublishingTab::layoutPage()
{
    lblCvrFront->setStyleSheet(QStringLiteral("margin-left: 20px"));
    lblCvrBack->setStyleSheet(QStringLiteral("margin-left: 20px"));
    for (QCheckBox *side : {chkBxCvrFrontOut, chkBxCvrFrontIn, chkBxCvrBackOut, chkBxCvrBackIn})
        side->setStyleSheet(QStringLiteral("margin-bottom: 0px; margin-left: 40px"));
    cmbBxCvrM->setStyleSheet(QStringLiteral("margin-bottom: 15px"));
    lblTint->setStyleSheet(QStringLiteral("margin-top: 15px; margin-bottom: 0px"));

    // Spans end in the last column that holds a widget: each further column a
    // span reaches costs its spacing on a page the two columns share.
    auto *left = new QGridLayout;
    const Qt::Alignment alignLeft = Qt::AlignLeft;
    left->addWidget(lblCvrMode, 0, 0, 1, 2, alignLeft);
    left->addWidget(chkButCvr, 1, 0, 2, 1, alignLeft);
    left->addWidget(rdButCvrFront, 1, 1, 1, 1, alignLeft);
    left->addWidget(rdButCvrFrontBack, 2, 1, 1, 1, alignLeft);
    left->addWidget(lblCvrPrintOnto, 3, 1, 1, 1, alignLeft);
    left->addWidget(lblCvrFront, 5, 1, 1, 1, alignLeft);
    left->addWidget(chkBxCvrFrontOut, 6, 1, 1, 1, alignLeft);
    left->addWidget(chkBxCvrFrontIn, 7, 1, 1, 1, alignLeft);
    left->addWidget(lblCvrBack, 8, 1, 1, 1, alignLeft);
    // The back group lists "Inside" first.
    left->addWidget(chkBxCvrBackIn, 9, 1, 1, 1, alignLeft);
    left->addWidget(chkBxCvrBackOut, 10, 1, 1, 1, alignLeft);
    left->addWidget(lblCvrM, 11, 1, 1, 1, alignLeft);
    left->addWidget(cmbBxCvrM, 12, 1, 1, 1, alignLeft);
    left->addWidget(newLine(QFrame::HLine), 13, 0, 1, 2);
    left->addWidget(lblTint, 14, 0, 1, 2, alignLeft);
    left->addWidget(chkButTint, 15, 0, 2, 1, alignLeft);
    left->addWidget(chkBxTintPrintOnto, 15, 1, 1, 1, alignLeft);
    left->addWidget(lblTMed, 16, 1, 1, 1, alignLeft);
    left->addWidget(cmbBxTMed, 17, 1, 1, 1, alignLeft);
    left->setColumnStretch(1, 1);
    left->setRowStretch(22, 1);

    auto *right = new QGridLayout;
    right->addWidget(lblPins, 0, 0, 1, 2, alignLeft);
    right->addWidget(chkButPins, 1, 0, 2, 1, alignLeft);
    right->addWidget(chkBxPinsPrintOntoFront, 1, 1, 1, 1, alignLeft);
    right->addWidget(chkBxPinsPrintOntoBack, 2, 1, 1, 1, alignLeft);
    right->addWidget(lblPinsPage, 3, 1, 1, 1, alignLeft);
    right->addWidget(lnEditPinsPage, 4, 1, 1, 1, alignLeft);
    right->addWidget(lblPMed, 5, 1, 1, 1, alignLeft);
    right->addWidget(cmbBxPMed, 6, 1, 1, 1, alignLeft);
    right->setColumnStretch(1, 1);
    right->setRowStretch(15, 1);

    newTwoColumnLayout(this, left, right);
}

void PublishingTab::connectPage()
{
    // Receivers run in connection order: the page's own slot before or after
    // the pass exactly as listed here.
    connect(chkButCvr, SIGNAL(toggled(bool)), this, SLOT(coverModeToggled(bool)));
    connectToPass(chkButCvr, SIGNAL(toggled(bool)));
    connect(rdButCvrFront, SIGNAL(toggled(bool)), this, SLOT(coverRadioButtonSelectionChanged()));
    connectToDialog(rdButCvrFront, SIGNAL(toggled(bool)));
    connect(rdButCvrFrontBack, SIGNAL(toggled(bool)), this, SLOT(coverRadioButtonSelectionChanged()));
    connectToDialog(rdButCvrFrontBack, SIGNAL(toggled(bool)));
    connectToPass(chkButTint, SIGNAL(toggled(bool)));
    connect(chkButTint, SIGNAL(toggled(bool)), this, SLOT(interleaveToggled(bool)));
    connect(chkButPins, SIGNAL(toggled(bool)), this, SLOT(pageInsertToggled(bool)));
    connect(lnEditPinsPage, SIGNAL(textEdited(QString)), this, SLOT(checkPageInsertInputText()));
    connectToPass(lnEditPinsPage, SIGNAL(textEdited(QString)));
    connect(chkBxCvrFrontIn, SIGNAL(stateChanged(int)), this, SLOT(checkPageInsertInputText()));
    connect(chkBxCvrFrontOut, SIGNAL(stateChanged(int)), this, SLOT(checkPageInsertInputText()));
}

QIcon PublishingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing"));
}

QIcon PublishingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-publishing-constraint"));
}

bool PublishingTab::isSupported()
{
    if (!currentOptionStore)
        return false;
    for (const char *keyword : boundKeywords) {
        if (currentOptionStore->option(QLatin1String(keyword)))
            return true;
    }
    return false;
}

// ---- sections ----------------------------------------------------------------

void PublishingTab::coverRadioButtonSelectionChanged()
{
    if (!chkButCvr->isChecked() || !currentOptionStore)
        return;
    if (rdButCvrFront->isChecked()) {
        lblCvrBack->setEnabled(false);
        currentOptionStore->selectChoice(QStringLiteral("cCovTRad"), trueText);
        currentOptionStore->selectChoice(QStringLiteral("cCovBRad"), falseText);
    } else if (rdButCvrFrontBack->isChecked()) {
        lblCvrBack->setEnabled(true);
        currentOptionStore->selectChoice(QStringLiteral("cCovTRad"), falseText);
        currentOptionStore->selectChoice(QStringLiteral("cCovBRad"), trueText);
    }
}

void PublishingTab::coverModeToggled(bool toggleState)
{
    if (toggleState) {
        coverRadioButtonSelectionChanged();
        return;
    }
    rdButCvrFront->setChecked(true);
    cmbBxCvrM->setCurrentIndex(0);
    for (QCheckBox *side : {chkBxCvrFrontOut, chkBxCvrFrontIn, chkBxCvrBackOut, chkBxCvrBackIn})
        side->setChecked(false);
}

void PublishingTab::pageInsertToggled(bool toggleState)
{
    if (toggleState)
        return;
    chkBxPinsPrintOntoFront->setChecked(false);
    chkBxPinsPrintOntoBack->setChecked(false);
    lnEditPinsPage->clear();
    cmbBxPMed->setCurrentIndex(0);
}

void PublishingTab::interleaveToggled(bool toggleState)
{
    if (toggleState)
        return;
    chkBxTintPrintOnto->setChecked(false);
    cmbBxTMed->setCurrentIndex(0);
}

void PublishingTab::BlockAllSignals(bool block)
{
    const std::initializer_list<QObject *> widgets = {
        rdButCvrFront, rdButCvrFrontBack, chkBxCvrFrontOut, chkBxCvrFrontIn, chkBxCvrBackOut, chkBxCvrBackIn,
        cmbBxCvrM, chkButCvr, chkBxPinsPrintOntoFront, chkBxPinsPrintOntoBack, lnEditPinsPage, cmbBxPMed,
        chkButPins, chkBxTintPrintOnto, cmbBxTMed, chkButTint};
    for (QObject *widget : widgets)
        widget->blockSignals(block);
}

// ---- the page list -------------------------------------------------------------

void PublishingTab::checkPageInsertInputText()
{
    if (!chkButPins->isChecked())
        return;
    acceptedPages.clear();
    pageListInvalid = true;

    const bool bothFrontSides = chkBxCvrFrontIn->isChecked() && chkBxCvrFrontOut->isChecked();
    const PageListCheck::Result result = PageListCheck::check(lnEditPinsPage->text(), bothFrontSides);
    const char *message = nullptr;
    switch (result.outcome) {
    case PageListCheck::Accepted:
        acceptedPages = result.normalForm;
        pageListInvalid = false;
        setErrorMark(lblPins, QString(), false);
        return;
    case PageListCheck::NoPages:
        setErrorMark(lblPins, QString(), false);
        return;
    case PageListCheck::Unfinished:
        return;
    case PageListCheck::EmptyList:
        message = messageEmpty;
        break;
    case PageListCheck::BadSyntax:
        message = messageSyntax;
        break;
    case PageListCheck::TooManyPages:
        message = messageTooMany;
        break;
    case PageListCheck::BelowThree:
        message = messageBelowThree;
        break;
    case PageListCheck::OutsideRange:
        message = messageOutside;
        break;
    }
    setErrorMark(lblPins, tr(message), true);
}

// ---- settings keys --------------------------------------------------------------

QString PublishingTab::coverModeValue() const
{
    int value = 0;
    if (chkBxCvrFrontOut->isChecked())
        value += 1;
    if (chkBxCvrFrontIn->isChecked())
        value += 2;
    if (chkBxCvrBackOut->isChecked())
        value += 4;
    if (chkBxCvrBackIn->isChecked())
        value += 8;
    if (value == 0) {
        if (rdButCvrFront->isChecked())
            value = 16;
        else if (rdButCvrFrontBack->isChecked())
            value = 32;
    }
    return QString::number(value);
}

QString PublishingTab::coverRadioState() const
{
    if (rdButCvrFront->isChecked())
        return QStringLiteral("1");
    if (rdButCvrFrontBack->isChecked())
        return QStringLiteral("2");
    return QStringLiteral("-1");
}

QString PublishingTab::pageInsertPrintOntoValue() const
{
    int value = 0;
    if (chkBxPinsPrintOntoFront->isChecked())
        value += 1;
    if (chkBxPinsPrintOntoBack->isChecked())
        value += 2;
    return QString::number(value);
}

void PublishingTab::putCoverSettings(QHash<QString, QString> &settings) const
{
    const bool on = chkButCvr->isChecked();
    settings.insert(QStringLiteral("ZqCoverModeEnabled"), on ? trueText : falseText);
    if (!on)
        return;
    settings.insert(QStringLiteral("ZqCoverModeValue"), coverModeValue());
    settings.insert(QStringLiteral("ZqCovermodeRadioButtonState"), coverRadioState());
    settings.insert(QStringLiteral("ZQCoverMedia"), cmbBxCvrM->currentText());
}

void PublishingTab::putPageInsertSettings(QHash<QString, QString> &settings) const
{
    const bool on = chkButPins->isChecked();
    settings.insert(QStringLiteral("ZqPageInsertEnabled"), on ? trueText : falseText);
    settings.insert(QStringLiteral("Pins"), on ? QStringLiteral("On") : QStringLiteral("Off"));
    settings.insert(QStringLiteral("ZqPageinsertValue"), on ? pageInsertPrintOntoValue() : QStringLiteral("-1"));
    if (!on)
        return;
    settings.insert(QStringLiteral("ZqPageinsertNums"), acceptedPages);
    settings.insert(QStringLiteral("ZQPageinsertMedia"), cmbBxPMed->currentText());
}

void PublishingTab::putInterleaveSettings(QHash<QString, QString> &settings) const
{
    const bool on = chkButTint->isChecked();
    settings.insert(QStringLiteral("ZqIntLvEnabled"), on ? trueText : falseText);
    QString value = QStringLiteral("0");
    if (on)
        value = chkBxTintPrintOnto->isChecked() ? QStringLiteral("2") : QStringLiteral("1");
    settings.insert(QStringLiteral("ZqIntLvValue"), value);
    if (on)
        settings.insert(QStringLiteral("ZQTransparencyinterleavingMedia"), cmbBxTMed->currentText());
}

QHash<QString, QString> PublishingTab::getExtraOptions()
{
    QHash<QString, QString> settings;
    putCoverSettings(settings);
    putPageInsertSettings(settings);
    putInterleaveSettings(settings);
    return settings;
}

// ---- loading ----------------------------------------------------------------------

void PublishingTab::loadCoverSettings()
{
    chkButCvr->setChecked(storedText(QStringLiteral("ZqCoverModeEnabled")) == trueText);
    if (storedText(QStringLiteral("ZqCovermodeRadioButtonState")) == QLatin1String("2"))
        rdButCvrFrontBack->setChecked(true);
    else
        rdButCvrFront->setChecked(true);
    const int sides = storedNumber(QStringLiteral("ZqCoverModeValue"));
    chkBxCvrFrontOut->setChecked((sides & 1) != 0);
    chkBxCvrFrontIn->setChecked((sides & 2) != 0);
    chkBxCvrBackOut->setChecked((sides & 4) != 0);
    chkBxCvrBackIn->setChecked((sides & 8) != 0);
    coverRadioButtonSelectionChanged();
}

void PublishingTab::loadPageInsertSettings()
{
    chkButPins->setChecked(storedText(QStringLiteral("ZqPageInsertEnabled")) == trueText);
    const QString pages = storedText(QStringLiteral("ZqPageinsertNums"));
    if (!pages.isEmpty()) {
        lnEditPinsPage->setText(pages);
        checkPageInsertInputText();
    }
    const int sides = storedNumber(QStringLiteral("ZqPageinsertValue"));
    chkBxPinsPrintOntoFront->setChecked(sides >= 1 && (sides & 1) != 0);
    chkBxPinsPrintOntoBack->setChecked(sides >= 1 && (sides & 2) != 0);
}

void PublishingTab::loadInterleaveSettings()
{
    chkButTint->setChecked(storedText(QStringLiteral("ZqIntLvEnabled")) == trueText);
    chkBxTintPrintOnto->setChecked(storedText(QStringLiteral("ZqIntLvValue")) == QLatin1String("2"));
}

void PublishingTab::loadPublishingSettings()
{
    loadCoverSettings();
    loadPageInsertSettings();
    loadInterleaveSettings();
}

void PublishingTab::reload()
{
    BlockAllSignals(true);
    lnEditPinsPage->clear();
    setTabName();
    customConstraintWidgets->clear();
    clearConflictMarks();
    updateLabels();
    loadWidgetsFromOptions();
    markAllOptions();
    loadPublishingSettings();
    // The loaders set widgets with their signals blocked; mark again so the
    // option model holds what the page now shows.
    markAllOptions();
    BlockAllSignals(false);
}

void PublishingTab::resetUnsupported()
{
    // Sections off and no list, as the page was built: another printer's
    // covers and inserts must not reach this one's settings.
    BlockAllSignals(true);
    for (ZelCheckBoxButton *section : {chkButCvr, chkButPins, chkButTint})
        section->setChecked(false);
    lnEditPinsPage->clear();
    acceptedPages.clear();
    pageListInvalid = false;
    BlockAllSignals(false);
}

// ---- conflicts ----------------------------------------------------------------------

void PublishingTab::clearConflictMarks()
{
    Tab::clearConflictMarks();
    for (QLabel *caption : {lblCvrMode, lblPins, lblTint})
        removeErrorMark(caption);
}

void PublishingTab::updateDependentControls()
{
    const bool cover = chkButCvr->isChecked();
    const bool insert = chkButPins->isChecked();
    const bool interleave = chkButTint->isChecked();
    if (interleave && cover) {
        addCustomConstraint(chkButTint, lblTint);
        addCustomConstraint(chkButCvr, lblCvrMode);
    } else {
        removeCustomConstraint(chkButCvr);
    }
    if (interleave && insert) {
        addCustomConstraint(chkButTint, lblTint);
        addCustomConstraint(chkButPins, lblPins);
    } else {
        removeCustomConstraint(chkButPins);
    }
    if (!interleave || (!cover && !insert))
        removeCustomConstraint(chkButTint);
}

bool PublishingTab::blockedOnlyBySections(kOption *option) const
{
    const kChoice *on = option->choiceByName(trueText);
    if (!on || !on->isConstrained() || on->hasActiveGroupConstraint())
        return false;
    for (const OptionChoice &blocker : on->constrainedBy()) {
        const QString keyword = blocker.first->keyword();
        bool section = false;
        for (const char *sectionKeyword : sectionKeywords)
            section |= keyword == QLatin1String(sectionKeyword);
        // The blocker's mark, not its button: a section button starts a pass
        // before its own option is marked, so a section just switched off
        // still blocks then.
        if (!section || blocker.second->name() != trueText)
            return false;
    }
    return true;
}

bool PublishingTab::enableOptionsForCheckBoxButton(ZelCheckBoxButton *checkbox_button, kOption *option)
{
    // Two sections that are both on (a stored file or profile holding both)
    // stay on, and the page's turn marks them, instead of the pass dropping
    // whichever of them the registry happens to list first.
    if (checkbox_button && option && checkbox_button->isChecked() && blockedOnlyBySections(option)) {
        checkbox_button->setEnabled(true);
        return false;
    }
    return Tab::enableOptionsForCheckBoxButton(checkbox_button, option);
}

bool PublishingTab::hasConflict()
{
    if (!isSupported())
        return false;
    if (conflict)
        return true;
    return chkButPins->isChecked() && (pageListInvalid || lnEditPinsPage->text().isEmpty());
}

void PublishingTab::markCustomConstraints()
{
    // The list first: an accepted list takes its own mark off "Page insert:",
    // which must not take the interleaving conflict's mark with it.
    checkPageInsertInputText();
    Tab::markCustomConstraints();
}

void PublishingTab::retranslateUi()
{
    pageTitle = tr("Publishing");
    const QList<QPair<QWidget *, QString>> texts = {
        {lblCvrMode, tr("Cover mode:")},
        {rdButCvrFront, tr("Front")},
        {rdButCvrFrontBack, tr("Front and back")},
        {lblCvrPrintOnto, tr("Print onto:")},
        {lblCvrFront, tr("Front")},
        {chkBxCvrFrontOut, tr("Outside")},
        {chkBxCvrFrontIn, tr("Inside")},
        {lblCvrBack, tr("Back")},
        {chkBxCvrBackOut, tr("Outside")},
        {chkBxCvrBackIn, tr("Inside")},
        {lblCvrM, tr("Media for cover:")},
        {lblPins, tr("Page insert:")},
        {chkBxPinsPrintOntoFront, tr("Print onto front")},
        {chkBxPinsPrintOntoBack, tr("Print onto back")},
        {lblPinsPage, tr("Insert before pages:")},
        {lblPMed, tr("Media for page:")},
        {lblTint, tr("Transparency interleaving:")},
        {chkBxTintPrintOnto, tr("Print onto backing")},
        {lblTMed, tr("Media for backing:")},
    };
    for (const auto &entry : texts) {
        if (auto *caption = qobject_cast<QLabel *>(entry.first))
            caption->setText(entry.second);
        else if (auto *button = qobject_cast<QAbstractButton *>(entry.first))
            button->setText(entry.second);
        entry.first->repaint();
    }
}

QList<Tab::DetailRow> PublishingTab::detailRows()
{
    return {
        {QStringLiteral("ZqCoverModeEnabled"), tr("Cover mode")},
        {QStringLiteral("ZqPageInsertEnabled"), tr("Page insert")},
        {QStringLiteral("ZqIntLvEnabled"), tr("Transparency interleaving")},
    };
}
