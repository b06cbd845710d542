#include "watermarktab.h"

#include "localecatalogue.h"
#include "optionstore.h"
#include "pagewidgets.h"
#include "settingsfile.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMultiHash>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>

namespace {
const QString customPrefix = QStringLiteral("Custom.");

// The printer's own texts in English: never listed as custom watermarks.
const char *const reservedNames[] = {"CONFIDENTIAL", "ORIGINAL", "COPY", "DO NOT PHOTOCOPY",
                                     "DRAFT", "FINAL", "PROOF"};
// The choice names of those texts: a PPD default among them is no custom one.
const char *const builtInChoiceNames[] = {"Confidential", "Original", "Copy", "DoNotPhotoCopy",
                                          "Draft", "Final", "Proof"};

// A record field, the option it stands for and the page's list of it.
struct RecordField {
    const char *field;
    const char *keyword;
    ComboBoxEx *WatermarkTab::*list;
};
const RecordField listFields[] = {{"font", "Wfnt", &WatermarkTab::cmbBxWFnt},
                                  {"size", "Wsze", &WatermarkTab::cmbBxWsze},
                                  {"color", "Wclr", &WatermarkTab::cmbBxClr},
                                  {"angle", "Wang", &WatermarkTab::cmbBxWang},
                                  {"style", "Wtrans", &WatermarkTab::cmbBxWtrans},
                                  {"fill", "Wtyp", &WatermarkTab::cmbBxWtyp}};

// The page's lists when no record says otherwise.
const int defaultFont = 0;
const int defaultSize = 8;
const int defaultColor = 3;
const int defaultAngle = 23;
const int defaultStyle = 0;
const int defaultFill = 0;

bool isBuiltInChoiceName(const QString &name)
{
    for (const char *builtIn : builtInChoiceNames) {
        if (name == QLatin1String(builtIn))
            return true;
    }
    return false;
}

// The custom text a PPD default stands for: "Custom.Memo" is Memo. Empty
// for any other default, so no record comes from a name of another kind.
QString customDefaultText(const QString &defaultName)
{
    if (!defaultName.startsWith(customPrefix))
        return QString();
    return defaultName.mid(customPrefix.size());
}

// In another language the printer's texts are translated, and a translated
// text must no more become a custom watermark than the English one.
bool printerTextsTranslated()
{
    return !isEnglishLocale(QLocale::system().name());
}
}

WatermarkTab::WatermarkTab(QWidget *dialog)
    : Tab(dialog)
{
    customWatermarks.clear();
    buildUi();
    connectWidgets();
    layOut();
}

void WatermarkTab::setTabName()
{
    pageTitle = tr("Watermark");
    pageTitle = tabName();
}

void WatermarkTab::buildUi()
{
    pageTitle = tr("Watermark");

    butNewCustomWatermark = new QPushButton(tr("New"), this);
    butSaveCustomWatermark = new QPushButton(tr("Save"), this);
    butDeleteCustomWatermark = new QPushButton(tr("Delete"), this);
    lblWtxt = newCaption(this, tr("Text") + QLatin1Char(':'), QStringLiteral("lblWtxt"));
    cmbBxWtxt = newComboBox(this, QString());
    lblWFnt = newCaption(this, tr("Font") + QLatin1Char(':'), QStringLiteral("lblWFnt"));
    cmbBxWFnt = newComboBox(this, QStringLiteral("cmbBxWFnt"));
    lblWSze = newCaption(this, tr("Size") + QLatin1Char(':'), QStringLiteral("lblWSze"));
    cmbBxWsze = newComboBox(this, QStringLiteral("cmbBxWsze"));
    lblWClr = newCaption(this, tr("Color") + QLatin1Char(':'), QStringLiteral("lblWClr"));
    cmbBxClr = newComboBox(this, QStringLiteral("cmbBxClr"));
    lblWang = newCaption(this, tr("Angle") + QLatin1Char(':'), QStringLiteral("lblWang"));
    cmbBxWang = newComboBox(this, QStringLiteral("cmbBxWang"));
    lblWtrans = newCaption(this, tr("Style") + QLatin1Char(':'), QStringLiteral("lblWtrans"));
    cmbBxWtrans = newComboBox(this, QStringLiteral("cmbBxWtrans"));
    lblWtyp = newCaption(this, tr("Fill") + QLatin1Char(':'), QStringLiteral("lblWtyp"));
    cmbBxWtyp = newComboBox(this, QStringLiteral("cmbBxWtyp"));
    lblCustomWatermark = newCaption(this, tr("Custom watermark:"), QStringLiteral("lblCustomWatermark"));
    lnEditCustomWatermark = new QLineEdit(this);
    lnEditCustomWatermark->setMaxLength(32);
    chkBxWFlg = new QCheckBox(tr("Repeat watermark"), this);
    chkButWatermark = new ZelCheckBoxButton(this, tr("Watermark"), QIcon(QStringLiteral(":/icons/watermark")));
    lblWatermark = newCaption(this, tr("Watermark/Stamp"), QStringLiteral("lblWatermark"));
    chkButSuperWatermark =
        new ZelCheckBoxButton(this, tr("Super watermark"), QIcon(QStringLiteral(":/icons/super-watermark")));
    lblSuperWatermark =
        newCaption(this, tr("Super watermark") + QLatin1Char(':'), QStringLiteral("lblSuperWatermark"));
    cmbBxSuperWatermark = newComboBox(this, QStringLiteral("cmbBxSuperWatermark"));

    for (QWidget *dependent : std::initializer_list<QWidget *>{
             butNewCustomWatermark, butSaveCustomWatermark, butDeleteCustomWatermark, lblWtxt, cmbBxWtxt,
             lblWFnt, cmbBxWFnt, lblWSze, cmbBxWsze, lblWClr, cmbBxClr, lblWang, cmbBxWang, lblWtrans,
             cmbBxWtrans, lblWtyp, cmbBxWtyp, lblCustomWatermark, lnEditCustomWatermark, chkBxWFlg})
        chkButWatermark->addDependent(dependent, noDefault);
    chkButSuperWatermark->addDependent(lblSuperWatermark, noDefault);
    chkButSuperWatermark->addDependent(cmbBxSuperWatermark, tr("None"));

    optionWidgets.insert(QStringLiteral("Wren"), chkButWatermark);
    optionWidgets.insert(QStringLiteral("Wtxt"), cmbBxWtxt);
    optionWidgets.insert(QStringLiteral("Wfnt"), cmbBxWFnt);
    optionWidgets.insert(QStringLiteral("Wsze"), cmbBxWsze);
    optionWidgets.insert(QStringLiteral("Wclr"), cmbBxClr);
    optionWidgets.insert(QStringLiteral("Wang"), cmbBxWang);
    optionWidgets.insert(QStringLiteral("Wtrans"), cmbBxWtrans);
    optionWidgets.insert(QStringLiteral("Wtyp"), cmbBxWtyp);
    optionWidgets.insert(QStringLiteral("Wflg"), chkBxWFlg);
    optionWidgets.insert(QStringLiteral("cSuper"), chkButSuperWatermark);
    // Only so a reload blocks its signals: the base class neither loads,
    // connects nor collects a line edit.
    optionWidgets.insert(QStringLiteral("cCustom"), lnEditCustomWatermark);
    optionWidgets.insert(QStringLiteral("ZVSuperWatermark"), cmbBxSuperWatermark);

    labelWidgets.insert(QStringLiteral("Wren"), chkButWatermark);
    labelWidgets.insert(QStringLiteral("Wtxt"), lblWtxt);
    labelWidgets.insert(QStringLiteral("Wfnt"), lblWFnt);
    labelWidgets.insert(QStringLiteral("Wsze"), lblWSze);
    labelWidgets.insert(QStringLiteral("Wclr"), lblWClr);
    labelWidgets.insert(QStringLiteral("Wang"), lblWang);
    labelWidgets.insert(QStringLiteral("Wtrans"), lblWtrans);
    labelWidgets.insert(QStringLiteral("Wtyp"), lblWtyp);
    labelWidgets.insert(QStringLiteral("Wflg"), chkBxWFlg);
    labelWidgets.insert(QStringLiteral("ZVSuperWatermark"), lblSuperWatermark);

    // The watermark button's dependents stay as they are when it is loaded;
    // the page switches its section itself.
    checkBoxButtons << chkButSuperWatermark;

    // Before the base class's connections: the page's handlers run first.
    connect(lnEditCustomWatermark, SIGNAL(textChanged(QString)), this, SLOT(handleCustomWatermarkTextEdit()));
    connect(butNewCustomWatermark, SIGNAL(clicked()), this, SLOT(createNewCustomWatermark()));
    connect(butDeleteCustomWatermark, SIGNAL(clicked()), this, SLOT(deleteCustomWatermark()));
    connect(butSaveCustomWatermark, SIGNAL(clicked()), this, SLOT(editCustomWatermark()));
    connect(cmbBxWtxt, SIGNAL(currentIndexChanged(QString)), this, SLOT(handleWatermarkSelection(QString)));
    connect(chkButWatermark, SIGNAL(toggled(bool)), this, SLOT(toggleWatermarkSection(bool)));
    connect(chkButSuperWatermark, SIGNAL(toggled(bool)), this, SLOT(toggleSuperWatermark(bool)));

    // No line break either: the name goes into one line of the settings file.
    customTextValidator = new QRegExpValidator(QRegExp(QStringLiteral("\\S[^#\\r\\n]*"), Qt::CaseSensitive), this);
    lnEditCustomWatermark->setValidator(customTextValidator);

    butNewCustomWatermark->setAccessibleName(QStringLiteral("butNewCustomWatermark"));
    butSaveCustomWatermark->setAccessibleName(QStringLiteral("butSaveCustomWatermark"));
    butDeleteCustomWatermark->setAccessibleName(QStringLiteral("butDeleteCustomWatermark"));
    lnEditCustomWatermark->setAccessibleName(QStringLiteral("lnEditCustomWatermark"));
    chkBxWFlg->setAccessibleName(QStringLiteral("chkBxWFlg"));
    chkButWatermark->setAccessibleName(QStringLiteral("chkButWatermark"));
    chkButSuperWatermark->setAccessibleName(QStringLiteral("chkButSuperWatermark"));
}

void WatermarkTab::layOut()
{
    const Qt::Alignment leftBottom = Qt::AlignLeft | Qt::AlignBottom;
    const Qt::Alignment leftTop = Qt::AlignLeft | Qt::AlignTop;

    auto *inner = new QGridLayout;
    inner->addWidget(lblWFnt, 0, 0);
    inner->addWidget(cmbBxWFnt, 1, 0);
    inner->addWidget(lblWSze, 0, 1);
    inner->addWidget(cmbBxWsze, 1, 1);
    inner->addWidget(lblWClr, 2, 0);
    inner->addWidget(cmbBxClr, 3, 0);
    inner->addWidget(lblWang, 2, 1);
    inner->addWidget(cmbBxWang, 3, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(butNewCustomWatermark);
    buttons->addWidget(butDeleteCustomWatermark);
    buttons->addWidget(butSaveCustomWatermark);

    auto *grid = new QGridLayout(this);
    // The page's own contents margins frame it, as on every page.
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(lblWatermark, 0, 0, 1, 2);
    grid->addWidget(chkButWatermark, 1, 0, 2, 1);
    grid->addWidget(lblWtxt, 1, 1, 1, 2, leftBottom);
    grid->addWidget(cmbBxWtxt, 2, 1, 1, 2, leftTop);
    grid->addLayout(inner, 3, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(lblWtrans, 4, 1, 1, 1, leftBottom);
    grid->addWidget(cmbBxWtrans, 5, 1, 1, 1, leftTop);
    grid->addWidget(lblWtyp, 6, 1, 1, 1, leftBottom);
    grid->addWidget(cmbBxWtyp, 7, 1, 1, 1, leftTop);
    grid->addWidget(lblCustomWatermark, 8, 1, 1, 2, leftBottom);
    grid->addWidget(lnEditCustomWatermark, 9, 1, 1, 2, leftTop);
    grid->addWidget(chkBxWFlg, 10, 1, 1, 2, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addLayout(buttons, 11, 1, 1, 2, Qt::AlignLeft);
    grid->addWidget(newLine(QFrame::HLine), 12, 0, 1, 3);
    grid->addWidget(chkButSuperWatermark, 13, 0, 2, 1);
    grid->addWidget(lblSuperWatermark, 13, 1);
    grid->addWidget(cmbBxSuperWatermark, 14, 1);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(17, 1);
}

// ---- the Tab operations ----------------------------------------------------

void WatermarkTab::addCustomConstraints()
{
    kOption *colorModel = optionFor(QStringLiteral("ColorModel"));
    kOption *color = optionFor(QStringLiteral("Wclr"));
    if (!colorModel || !color || !colorModel->isValid() || !color->isValid())
        return;
    for (const char *colored : {"Red", "Green", "Blue"})
        currentOptionStore->addConstraint(QStringLiteral("ColorModel"), QStringLiteral("Gray"),
                                          QStringLiteral("Wclr"), QString::fromLatin1(colored));
}

QIcon WatermarkTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark"));
}

QIcon WatermarkTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-watermark-constraint"));
}

bool WatermarkTab::isSupported()
{
    return storeHasBoundOption();
}

bool WatermarkTab::hasOption(const char *keyword) const
{
    return optionFor(QString::fromLatin1(keyword)) != nullptr;
}

void WatermarkTab::reload()
{
    if (!currentOptionStore)
        return;
    blockWidgetSignals(true);
    addCustomConstraints();
    customConstraintWidgets->clear();
    loadSuperWatermark();
    setTabName();
    updateLabels();
    loadWidgetsFromOptions();
    lnEditCustomWatermark->clear();
    customWatermarks.clear();
    removeCustomItem();
    addBlackColorItem();
    loadCustomWatermarkStore();
    handleWatermarkSelection(cmbBxWtxt->currentText());
    markAllOptions();
    toggleWatermarkSection(chkButWatermark->isChecked());
    blockWidgetSignals(false);
}

void WatermarkTab::resetUnsupported()
{
    // No text and no custom watermarks, as the page was built: another
    // printer's watermark must not reach this one's settings.
    blockWidgetSignals(true);
    const QSignalBlocker nameBlocker(lnEditCustomWatermark);
    chkButWatermark->setChecked(false);
    cmbBxWtxt->clear();
    lnEditCustomWatermark->clear();
    customWatermarks.clear();
    blockWidgetSignals(false);
}

QHash<QString, QString> WatermarkTab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    // The collector asks every page for these before the extra settings,
    // where the shown controls are kept: keeping them first lets "Wtxt" be
    // the text the page shows afterwards, a name typed without New included.
    keepShownControlsForCollecting();
    collectBoundOptions();
    // An unchecked super button that can be switched on stands for none.
    if (hasOption("ZVSuperWatermark") && chkButSuperWatermark->isEnabled() && !chkButSuperWatermark->isChecked())
        options.insert(QStringLiteral("ZVSuperWatermark"), QStringLiteral("None"));
    const QString text = cmbBxWtxt->currentText();
    if (isCustomWatermark(text))
        options.insert(QStringLiteral("Wtxt"), CustomWatermarkFormat::printerForm(text));
    return options;
}

QHash<QString, QString> WatermarkTab::getExtraOptions()
{
    // Several values under one key: the collector keeps every one.
    QMultiHash<QString, QString> settings;
    if (!hasOption("Wtxt"))
        return settings;
    keepShownControlsForCollecting();
    for (auto it = customWatermarks.constBegin(); it != customWatermarks.constEnd(); ++it)
        settings.insert(QStringLiteral("CustomWatermarkStore"), CustomWatermarkFormat::storedLine(it.key(), it.value()));
    const QString shown = cmbBxWtxt->currentText();
    if (customWatermarks.contains(shown))
        settings.insert(QStringLiteral("CustomWatermarkSet"), shown);
    return settings;
}

void WatermarkTab::keepShownControlsForCollecting()
{
    if (hasOption("Wtxt") && chkButWatermark->isChecked())
        editCustomWatermark();
}

void WatermarkTab::retranslateUi()
{
    setTabName();
    lblCustomWatermark->setText(tr("Custom watermark:"));
    butNewCustomWatermark->setText(tr("New"));
    butSaveCustomWatermark->setText(tr("Save"));
    butDeleteCustomWatermark->setText(tr("Delete"));
}

// ---- the page's own steps --------------------------------------------------

void WatermarkTab::resetCustomFields()
{
    lnEditCustomWatermark->clear();
    chkBxWFlg->setChecked(false);
    cmbBxWtxt->setCurrentIndex(0);
    cmbBxWFnt->setCurrentIndex(defaultFont);
    cmbBxWsze->setCurrentIndex(defaultSize);
    cmbBxClr->setCurrentIndex(defaultColor);
    cmbBxWang->setCurrentIndex(defaultAngle);
    cmbBxWtrans->setCurrentIndex(defaultStyle);
    cmbBxWtyp->setCurrentIndex(defaultFill);
}

void WatermarkTab::addBlackColorItem()
{
    if (!hasOption("Wren"))
        return;
    kOption *color = optionFor(QStringLiteral("Wclr"));
    if (!color || color->choiceCount() == 1)
        cmbBxClr->addItem(tr("Black"));
}

void WatermarkTab::loadSuperWatermark()
{
    if (!hasOption("ZVSuperWatermark")) {
        chkButSuperWatermark->setChecked(false);
        chkButSuperWatermark->setEnabled(false);
    } else {
        chkButSuperWatermark->setEnabled(true);
    }
}

void WatermarkTab::removeCustomItem()
{
    // libcups gives an option with custom values a choice of that name.
    const int item = cmbBxWtxt->findText(tr("Custom"), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        cmbBxWtxt->removeItem(item);
}

// ---- sections ----------------------------------------------------------------

void WatermarkTab::toggleWatermarkSection(bool checked)
{
    if (!currentOptionStore)
        return;
    if (!checked)
        resetCustomFields();
    currentOptionStore->selectChoice(QStringLiteral("Wren"), checked ? QStringLiteral("True") : QStringLiteral("False"));

    lblWtxt->setEnabled(checked);
    cmbBxWtxt->setEnabled(checked);
    enableDetail(cmbBxWFnt, lblWFnt, checked);
    enableDetail(cmbBxWsze, lblWSze, checked);

    if (hasOption("ColorModel")) {
        // Without "Wclr" the list may still hold the added black to show.
        enableDetail(cmbBxClr, lblWClr, checked);
    } else {
        // A printer without colour prints the watermark black.
        cmbBxClr->setEnabled(false);
        lblWClr->setEnabled(false);
        selectBlackColor();
    }

    if (checked) {
        updateCustomWatermarkButtons();
        handleWatermarkSelection(cmbBxWtxt->currentText());
    } else {
        cmbBxWtxt->setCurrentIndex(0);
        // A reload switches the section off without the button's own
        // disabling: New, Save and Delete follow the emptied field.
        updateCustomWatermarkButtons();
    }

    enableDetail(cmbBxWang, lblWang, checked);
    enableDetail(cmbBxWtrans, lblWtrans, checked);
    enableDetail(cmbBxWtyp, lblWtyp, checked);
    lblCustomWatermark->setEnabled(checked);
    lnEditCustomWatermark->setEnabled(checked);
    // The repeat box is its own caption: off without "Wflg", as the load left it.
    chkBxWFlg->setEnabled(checked && hasOption("Wflg"));
}

void WatermarkTab::enableDetail(ComboBoxEx *list, QLabel *caption, bool checked)
{
    // A list whose option the printer lacks is empty: nothing to choose.
    const bool enabled = checked && list->count() > 0;
    list->setEnabled(enabled);
    caption->setEnabled(enabled);
}

void WatermarkTab::selectBlackColor()
{
    cmbBxClr->setCurrentIndex(cmbBxClr->findText(tr("Black"), Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void WatermarkTab::toggleSuperWatermark(bool checked)
{
    if (hasOption("ZVSuperWatermark") && !checked)
        cmbBxSuperWatermark->setCurrentIndex(0);
}

// ---- custom watermarks -----------------------------------------------------

bool WatermarkTab::isReservedWatermarkName(const QString &name) const
{
    for (const char *reserved : reservedNames) {
        if (name == QLatin1String(reserved))
            return true;
    }
    if (!printerTextsTranslated())
        return false;
    kOption *text = optionFor(QStringLiteral("Wtxt"));
    if (!text)
        return false;
    // libcups's choice for custom texts is no printer text: the list drops it.
    const QString customChoice = tr("Custom");
    const QList<kChoice *> choices = text->choices();
    for (const kChoice *choice : choices) {
        if (choice->text() == name && choice->text() != customChoice)
            return true;
    }
    return false;
}

bool WatermarkTab::isCustomWatermark(const QString &text) const
{
    return customWatermarks.contains(text) && !isReservedWatermarkName(text);
}

void WatermarkTab::loadCustomWatermarkStore()
{
    if (customWatermarks.isEmpty()) {
        const QStringList stored = readSettingValues(currentOptionStore->printerName(),
                                                     QStringLiteral("CustomWatermarkStore"));
        if (stored.isEmpty()) {
            kOption *text = optionFor(QStringLiteral("Wtxt"));
            if (!text)
                return;
            const QString defaultName = text->defaultName();
            const QString name = customDefaultText(defaultName);
            if (!isBuiltInChoiceName(defaultName) && !name.isEmpty()) {
                CustomWatermark record;
                for (const RecordField &field : listFields) {
                    kOption *option = optionFor(QString::fromLatin1(field.keyword));
                    if (!option)
                        continue;
                    record.insert(QString::fromLatin1(field.field),
                                  (this->*field.list)->findText(option->defaultName(), Qt::MatchExactly | Qt::MatchCaseSensitive));
                }
                kOption *repeat = optionFor(QStringLiteral("Wflg"));
                record.insert(QStringLiteral("repeat"),
                              repeat && repeat->defaultName() == QLatin1String("False") ? 0 : 1);
                customWatermarks.insert(name, record);
            }
        }
        for (const QString &value : stored) {
            QString name;
            CustomWatermark record;
            // An empty name would show as a second separator.
            if (CustomWatermarkFormat::parseStoredLine(value, &name, &record) && !name.isEmpty())
                customWatermarks.insert(name, record);
        }
    }
    refreshWatermarkList();
    updateCustomWatermarkButtons();
}

void WatermarkTab::refreshWatermarkList()
{
    int separator = -1;
    for (int item = cmbBxWtxt->count() - 1; item >= 1; --item) {
        if (cmbBxWtxt->itemText(item).isEmpty())
            separator = item;
    }
    if (separator >= 1)
        cmbBxWtxt->model()->removeRows(separator, cmbBxWtxt->count() - separator);

    if (!customWatermarks.isEmpty()) {
        cmbBxWtxt->insertSeparator(cmbBxWtxt->count());
        QStringList names = customWatermarks.keys();
        std::sort(names.begin(), names.end());
        for (const QString &name : qAsConst(names)) {
            if (!isReservedWatermarkName(name))
                cmbBxWtxt->addItem(name);
        }
    }

    kOption *text = optionFor(QStringLiteral("Wtxt"));
    if (!text)
        return;
    const QString storedSet = readSettingValue(currentOptionStore->printerName(), QStringLiteral("CustomWatermarkSet"));
    const QString storedText = readSettingValue(currentOptionStore->printerName(), QStringLiteral("Wtxt"));
    const QString defaultName = text->defaultName();

    if (!storedSet.isEmpty()) {
        selectWatermarkText(storedSet);
    } else if (!isBuiltInChoiceName(defaultName) && storedText.isEmpty()) {
        const QString name = customDefaultText(defaultName);
        const int item = name.isEmpty() ? -1 : cmbBxWtxt->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item >= 0)
            cmbBxWtxt->setCurrentIndex(item);
    }
}

void WatermarkTab::selectWatermarkText(const QString &text)
{
    cmbBxWtxt->setCurrentIndex(cmbBxWtxt->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

void WatermarkTab::updateCustomWatermarkButtons()
{
    const QString typed = lnEditCustomWatermark->text();
    // A reserved name is never listed: New would make a watermark the list
    // cannot show (the printer's English texts are items anyway).
    const bool newOn = !typed.isEmpty() && cmbBxWtxt->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0
                       && !isReservedWatermarkName(typed);
    const bool saveOn = chkButWatermark->isChecked();
    const bool deleteOn = customWatermarks.contains(typed);
    butNewCustomWatermark->setEnabled(newOn);
    butSaveCustomWatermark->setEnabled(saveOn);
    butDeleteCustomWatermark->setEnabled(deleteOn);

    QList<QWidget *> order = {lnEditCustomWatermark};
    if (newOn && saveOn && !deleteOn)
        order << butNewCustomWatermark << butSaveCustomWatermark;
    else if (newOn && !saveOn && !deleteOn)
        order << butNewCustomWatermark;
    else if (!newOn && saveOn && deleteOn)
        order << butDeleteCustomWatermark << butSaveCustomWatermark;
    order << chkBxWFlg;
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order.at(i), order.at(i + 1));
}

void WatermarkTab::handleCustomWatermarkTextEdit()
{
    updateCustomWatermarkButtons();
}

void WatermarkTab::handleWatermarkSelection(const QString &selection)
{
    if (!currentOptionStore)
        return;
    if (isCustomWatermark(cmbBxWtxt->currentText()))
        lnEditCustomWatermark->setText(selection);
    else
        lnEditCustomWatermark->clear();

    const auto record = customWatermarks.constFind(selection);
    if (record != customWatermarks.constEnd()) {
        cmbBxWFnt->setCurrentIndex(record->value(QStringLiteral("font"), 0));
        cmbBxWsze->setCurrentIndex(record->value(QStringLiteral("size"), 0));
        cmbBxWang->setCurrentIndex(record->value(QStringLiteral("angle"), 0));
        cmbBxWtrans->setCurrentIndex(record->value(QStringLiteral("style"), 0));
        cmbBxWtyp->setCurrentIndex(record->value(QStringLiteral("fill"), 0));
        const bool fourColors = record->contains(QStringLiteral("color")) && cmbBxClr->count() == 4;
        cmbBxClr->setCurrentIndex(fourColors ? record->value(QStringLiteral("color")) : 0);
        chkBxWFlg->setChecked(record->value(QStringLiteral("repeat"), 0) != 0);
    } else {
        if (hasOption("Wfnt"))
            cmbBxWFnt->setCurrentIndex(defaultFont);
        if (hasOption("Wsze"))
            cmbBxWsze->setCurrentIndex(defaultSize);
        if (hasOption("Wang"))
            cmbBxWang->setCurrentIndex(defaultAngle);
        if (hasOption("Wtrans"))
            cmbBxWtrans->setCurrentIndex(defaultStyle);
        if (hasOption("Wtyp"))
            cmbBxWtyp->setCurrentIndex(defaultFill);
        if (hasOption("Wflg"))
            chkBxWFlg->setChecked(false);
        kOption *color = optionFor(QStringLiteral("Wclr"));
        cmbBxClr->setCurrentIndex(color && color->choiceCount() > 1 ? defaultColor : 0);
    }
    // A printer without colour printing keeps its locked colour list on black,
    // whatever the record or the defaults say.
    if (!hasOption("ColorModel"))
        selectBlackColor();
    updateCustomWatermarkButtons();
}

CustomWatermark WatermarkTab::recordFromControls() const
{
    CustomWatermark record;
    for (const RecordField &field : listFields)
        record.insert(QString::fromLatin1(field.field), (this->*field.list)->currentIndex());
    record.insert(QStringLiteral("repeat"), chkBxWFlg->isChecked() ? 1 : 0);
    return record;
}

void WatermarkTab::createNewCustomWatermark()
{
    const QString name = lnEditCustomWatermark->text();
    if (name.isEmpty() || !currentOptionStore)
        return;
    keepRecord(name, recordFromControls());
}

void WatermarkTab::keepRecord(const QString &name, const CustomWatermark &record)
{
    customWatermarks.insert(name, record);
    refreshWatermarkList();
    updateCustomWatermarkButtons();
    selectWatermarkText(name);
}

void WatermarkTab::editCustomWatermark()
{
    if (!currentOptionStore)
        return;
    const QString typed = lnEditCustomWatermark->text();
    const QString shown = cmbBxWtxt->currentText();
    const QString name = typed.isEmpty() ? shown : typed;
    // Nothing selected and nothing typed: no name to keep the controls under.
    if (name.isEmpty())
        return;
    const CustomWatermark record = recordFromControls();
    customWatermarks.remove(shown);
    keepRecord(name, record);
}

void WatermarkTab::deleteCustomWatermark()
{
    if (!currentOptionStore)
        return;
    customWatermarks.remove(lnEditCustomWatermark->text());
    refreshWatermarkList();
    updateCustomWatermarkButtons();
    cmbBxWtxt->setCurrentIndex(0);
}

QList<Tab::DetailRow> WatermarkTab::detailRows()
{
    return {
        {QStringLiteral("Wren"), tr("Watermark")},
        {QStringLiteral("Wtxt"), tr("Text")},
    };
}
