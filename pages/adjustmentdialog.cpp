#include "adjustmentdialog.h"

#include "comboboxex.h"
#include "kchoice.h"
#include "koption.h"
#include "optionstore.h"
#include "settingsfile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QSlider>

#include <cmath>

namespace {
const QString masterKey = QStringLiteral("CaHueMaster");
const QStringList singleHueKeys = {QStringLiteral("CaHr"), QStringLiteral("CaHy"), QStringLiteral("CaHg"),
                                   QStringLiteral("CaHc"), QStringLiteral("CaHb"), QStringLiteral("CaHm")};
const QStringList fixedKeys = {QStringLiteral("Cast"), QStringLiteral("Cabt"), QStringLiteral("Cact")};
const QStringList balanceKeys = {QStringLiteral("CaCR"), QStringLiteral("CaMG"), QStringLiteral("CaYB")};
const QString masterPattern = QStringLiteral("-?(([0-9]|[0-9][0-9]|1[0-7][0-9])?)|180|-180");
const QString valuePattern = QStringLiteral("-?([0-9])?(\\.([0-9]|[0-9][0-9]))?|10|-10");

kOption *storeOption(const QString &keyword)
{
    return currentOptionStore ? currentOptionStore->option(keyword) : nullptr;
}

void selectChoice(const QString &keyword, const QString &name)
{
    if (currentOptionStore)
        currentOptionStore->selectChoice(keyword, name);
}

double toNumber(const QString &text)
{
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0.0;
}
}

const QStringList &adjustmentDialog::adjustmentKeys()
{
    // Literal, not built from the lists above: callers may run before those
    // are initialised.
    static const QStringList keys = {
        QStringLiteral("CaHueMaster"), QStringLiteral("CaHr"), QStringLiteral("CaHy"), QStringLiteral("CaHg"),
        QStringLiteral("CaHc"),        QStringLiteral("CaHb"), QStringLiteral("CaHm"), QStringLiteral("Cast"),
        QStringLiteral("Cabt"),        QStringLiteral("Cact"), QStringLiteral("CaCR"), QStringLiteral("CaMG"),
        QStringLiteral("CaYB")};
    return keys;
}

adjustmentDialog::adjustmentDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
{
    setupUi();
    connectSignals();
    buildWidgetMaps();

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(customBox, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(pixmapLabel, 1, 0, 2, 1, Qt::AlignLeft | Qt::AlignVCenter);
    layout->addWidget(hslRadio, 1, 1, 1, 1, Qt::AlignLeft);
    layout->addWidget(balanceRadio, 2, 1, 1, 1);
    layout->addWidget(hueGroup, 3, 1, 1, 1);
    layout->addWidget(levelsGroup, 3, 1, 1, 1);
    layout->addWidget(buttonBox, 4, 1, 1, 1);

    auto *hueLayout = new QGridLayout(hueGroup);
    hueLayout->addWidget(modifyLabel, 0, 0, Qt::AlignLeft);
    hueLayout->addWidget(hueCombo, 1, 0, Qt::AlignLeft);
    const QStringList hueRows = QStringList{masterKey} + singleHueKeys;
    for (const QString &key : hueRows) {
        hueLayout->addWidget(captions.value(key), 2, 0, Qt::AlignLeft);
        hueLayout->addWidget(edits.value(key), 2, 0, 1, 3, Qt::AlignHCenter);
        sliders.value(key)->setFixedWidth(250);
        hueLayout->addWidget(sliders.value(key), 3, 0, 1, 2);
    }
    int row = 4;
    for (const QString &key : fixedKeys) {
        hueLayout->addWidget(captions.value(key), row, 0, Qt::AlignLeft);
        hueLayout->addWidget(edits.value(key), row, 0, 1, 3, Qt::AlignHCenter);
        sliders.value(key)->setFixedWidth(250);
        hueLayout->addWidget(sliders.value(key), row + 1, 0, 1, 2);
        row += 2;
    }
    hueLayout->setRowStretch(9, 1);

    auto *levelsLayout = new QGridLayout(levelsGroup);
    row = 0;
    for (const QString &key : balanceKeys) {
        levelsLayout->addWidget(captions.value(key), row, 0, Qt::AlignLeft);
        levelsLayout->addWidget(edits.value(key), row, 1, Qt::AlignHCenter);
        levelsLayout->addWidget(rightCaptions.value(key), row, 2, Qt::AlignRight);
        sliders.value(key)->setFixedWidth(250);
        levelsLayout->addWidget(sliders.value(key), row + 1, 0, 1, 3);
        row += 2;
    }
}

void adjustmentDialog::addRow(const QString &key, QLabel *caption, int minimum, int maximum,
                              const QString &pattern, int length)
{
    captions.insert(key, caption);
    auto *edit = new QLineEdit(this);
    edit->setMaximumWidth(45);
    edit->setMaxLength(length);
    edit->setValidator(new QRegExpValidator(QRegExp(pattern, Qt::CaseSensitive), this));
    edits.insert(key, edit);
    auto *slider = new QSlider(Qt::Horizontal, this);
    slider->setRange(minimum, maximum);
    sliders.insert(key, slider);
}

void adjustmentDialog::setupUi()
{
    sliderScale = 100;
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint & ~Qt::WindowMaximizeButtonHint
                   & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Adjustment Settings"));

    pixmapLabel = new QLabel(this);
    pixmapLabel->setPixmap(QPixmap(QStringLiteral(":/icons/adjustment")));
    customBox = new QCheckBox(tr("Custom"), this);
    hslRadio = new QRadioButton(tr("HSL(hue, saturation and lightness)"), this);
    balanceRadio = new QRadioButton(tr("Color balance"), this);
    hueGroup = new QGroupBox(tr("Hue Adjustment"), this);
    modifyLabel = new QLabel(tr("Modify") + QLatin1Char(':'), hueGroup);
    hueCombo = new ComboBoxEx;
    hueCombo->setParent(hueGroup);

    const int range = 10 * sliderScale;
    const QString hueCaptions[] = {tr("Master"), tr("Red"), tr("Yellow"), tr("Green"), tr("Cyan"), tr("Blue"),
                                   tr("Magenta"), tr("Saturation"), tr("Lightness"), tr("Contrast")};
    const QStringList hueKeys = QStringList{masterKey} + singleHueKeys + fixedKeys;
    for (int i = 0; i < hueKeys.size(); ++i) {
        auto *caption = new QLabel(hueCaptions[i] + QLatin1Char(':'), hueGroup);
        if (i == 0)
            addRow(hueKeys.at(i), caption, -180, 180, masterPattern, 7);
        else
            addRow(hueKeys.at(i), caption, -range, range, valuePattern, 6);
    }

    levelsGroup = new QGroupBox(tr("Color levels") + QLatin1Char(':'), this);
    const QString leftCaptions[] = {tr("Cyan"), tr("Magenta"), tr("Yellow")};
    const QString rightTexts[] = {tr("Red"), tr("Green"), tr("Blue")};
    for (int i = 0; i < balanceKeys.size(); ++i) {
        addRow(balanceKeys.at(i), new QLabel(leftCaptions[i], levelsGroup), -range, range, valuePattern, 6);
        rightCaptions.insert(balanceKeys.at(i), new QLabel(rightTexts[i], levelsGroup));
    }

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
}

void adjustmentDialog::connectSignals()
{
    connect(hslRadio, SIGNAL(toggled(bool)), hueGroup, SLOT(show()));
    connect(hslRadio, SIGNAL(toggled(bool)), levelsGroup, SLOT(hide()));
    connect(hslRadio, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(hslRadio, SIGNAL(toggled(bool)), this, SLOT(clearColorBalanceSettings()));
    connect(balanceRadio, SIGNAL(toggled(bool)), hueGroup, SLOT(hide()));
    connect(balanceRadio, SIGNAL(toggled(bool)), levelsGroup, SLOT(show()));
    connect(balanceRadio, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(balanceRadio, SIGNAL(toggled(bool)), this, SLOT(clearHSLSettings()));
    connect(customBox, SIGNAL(toggled(bool)), hslRadio, SLOT(setEnabled(bool)));
    connect(customBox, SIGNAL(toggled(bool)), hueGroup, SLOT(setEnabled(bool)));
    connect(customBox, SIGNAL(toggled(bool)), balanceRadio, SLOT(setEnabled(bool)));
    connect(customBox, SIGNAL(toggled(bool)), levelsGroup, SLOT(setEnabled(bool)));
    connect(customBox, SIGNAL(toggled(bool)), this, SLOT(markCaColorSpace()));
    connect(hueCombo, SIGNAL(currentIndexChanged(QString)), this, SLOT(hueSelectedChanged(QString)));

    connect(sliders.value(masterKey), SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
    connect(sliders.value(masterKey), SIGNAL(valueChanged(int)), this, SLOT(clearOtherSliderValues()));
    for (const QString &key : singleHueKeys) {
        connect(sliders.value(key), SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
        connect(sliders.value(key), SIGNAL(valueChanged(int)), this, SLOT(clearMasterSliderValue()));
    }
    for (const QString &key : fixedKeys + balanceKeys)
        connect(sliders.value(key), SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));

    connect(edits.value(masterKey), SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
    connect(edits.value(masterKey), SIGNAL(textChanged(QString)), this, SLOT(clearOtherSliderValues()));
    for (const QString &key : singleHueKeys) {
        connect(edits.value(key), SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
        connect(edits.value(key), SIGNAL(textChanged(QString)), this, SLOT(clearMasterSliderValue()));
    }
    for (const QString &key : fixedKeys + balanceKeys)
        connect(edits.value(key), SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));

    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    connect(ok, SIGNAL(clicked()), this, SLOT(saveSettings()));
    connect(ok, SIGNAL(clicked()), this, SLOT(close()));
    connect(buttonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), this, SLOT(close()));
}

void adjustmentDialog::buildWidgetMaps()
{
    for (const QString &key : adjustmentKeys()) {
        slidersByKey.insert(key, sliders.value(key));
        editsByKey.insert(key, edits.value(key));
    }
    for (const QString &key : QStringList{masterKey} + singleHueKeys + fixedKeys)
        labelsByKey.insert(key, captions.value(key));
}

void adjustmentDialog::blockAllSignals(bool block)
{
    for (QSlider *slider : qAsConst(slidersByKey))
        slider->blockSignals(block);
    for (QLineEdit *edit : qAsConst(editsByKey))
        edit->blockSignals(block);
}

QString adjustmentDialog::storedValue(const QString &key) const
{
    if (!currentOptionStore)
        return QStringLiteral("0");
    const QString value = readSettingValue(currentOptionStore->printerName(), key);
    return value.isEmpty() ? QStringLiteral("0") : value;
}

// A value as a slider position. Rounded to the nearest step rather than cut:
// 0.29 * 100 is 28.999..., and a saved value must come back as it was.
int adjustmentDialog::positionFor(const QString &key, double value) const
{
    const double scaled = key == masterKey ? value : value * sliderScale;
    return static_cast<int>(std::lround(scaled));
}

// ---- slots -----------------------------------------------------------------

void adjustmentDialog::setLineEditText(int value)
{
    blockAllSignals(true);
    const QString key = slidersByKey.key(qobject_cast<QSlider *>(sender()));
    if (QLineEdit *edit = editsByKey.value(key, nullptr)) {
        if (key == masterKey)
            edit->setText(QString::number(value));
        else
            edit->setText(QString::number(static_cast<double>(value) / sliderScale, 'g', 6));
    }
    blockAllSignals(false);
}

void adjustmentDialog::setSliderValue()
{
    blockAllSignals(true);
    const QString key = editsByKey.key(qobject_cast<QLineEdit *>(sender()));
    QSlider *slider = slidersByKey.value(key, nullptr);
    if (slider)
        slider->setValue(positionFor(key, toNumber(editsByKey.value(key)->text())));
    blockAllSignals(false);
}

void adjustmentDialog::clearMasterSliderValue()
{
    if (clearingSingleHues)
        return;
    for (const QString &key : singleHueKeys) {
        if (slidersByKey.value(key)->value() != 0) {
            slidersByKey.value(masterKey)->setValue(0);
            return;
        }
    }
}

void adjustmentDialog::clearOtherSliderValues()
{
    if (slidersByKey.value(masterKey)->value() == 0)
        return;
    clearingSingleHues = true;
    for (const QString &key : singleHueKeys)
        slidersByKey.value(key)->setValue(0);
    clearingSingleHues = false;
}

void adjustmentDialog::clearHSLSettings()
{
    const QStringList order = {masterKey,          QStringLiteral("CaHr"), QStringLiteral("CaHy"),
                               QStringLiteral("CaHg"), QStringLiteral("CaHb"), QStringLiteral("CaHc"),
                               QStringLiteral("CaHm"), QStringLiteral("Cast"), QStringLiteral("Cabt"),
                               QStringLiteral("Cact")};
    for (const QString &key : order)
        slidersByKey.value(key)->setValue(0);
    keptHueIndex = 0;
    hueCombo->setCurrentIndex(0);
}

void adjustmentDialog::clearColorBalanceSettings()
{
    for (const QString &key : balanceKeys)
        slidersByKey.value(key)->setValue(0);
}

void adjustmentDialog::markCaColorSpace()
{
    if (customBox->isChecked())
        return;
    clearHSLSettings();
    clearColorBalanceSettings();
    hslRadio->setChecked(true);
}

void adjustmentDialog::hueSelectedChanged(QString hue)
{
    if (hue.isEmpty())
        return;
    for (const QString &key : QStringList{masterKey} + singleHueKeys) {
        labelsByKey.value(key)->hide();
        editsByKey.value(key)->hide();
        slidersByKey.value(key)->hide();
    }
    const QString keyword = keywordsByHueText.value(hue);
    if (keyword.isEmpty())
        return;
    slidersByKey.value(keyword)->show();
    editsByKey.value(keyword)->show();
    labelsByKey.value(keyword)->show();
}

void adjustmentDialog::saveSettings()
{
    confirmed = true;
    const bool custom = customBox->isChecked();
    selectChoice(QStringLiteral("Cadj"), custom ? QStringLiteral("True") : QStringLiteral("False"));
    selectChoice(QStringLiteral("CaColorSpace"),
                 !custom ? QStringLiteral("-1") : hslRadio->isChecked() ? QStringLiteral("0") : QStringLiteral("1"));
    keptValues.clear();
    for (const QString &key : adjustmentKeys())
        keptValues.append(qMakePair(key, toNumber(editsByKey.value(key)->text())));
    keptHueIndex = hueCombo->currentIndex();
}

void adjustmentDialog::resetStates()
{
    selectChoice(QStringLiteral("Cadj"), QStringLiteral("False"));
    selectChoice(QStringLiteral("CaColorSpace"), QStringLiteral("-1"));
    keptValues.clear();
    for (const QString &key : adjustmentKeys())
        keptValues.append(qMakePair(key, 0.0));
    applyStates();
}

void adjustmentDialog::forgetValues()
{
    const QSignalBlocker switchBlocker(customBox);
    const QSignalBlocker hueBlocker(hueCombo);
    blockAllSignals(true);
    customBox->setChecked(false);
    for (QSlider *slider : qAsConst(slidersByKey))
        slider->setValue(0);
    for (QLineEdit *edit : qAsConst(editsByKey))
        edit->clear();
    hueCombo->clear();
    blockAllSignals(false);
    keywordsByHueText.clear();
    keptValues.clear();
    keptHueIndex = 0;
}

void adjustmentDialog::loadStoredValues()
{
    // What the printer lacks (the switch, rows) stays as built, never as
    // another printer or profile left it.
    forgetValues();
    for (const QString &key : adjustmentKeys())
        keptValues.append(qMakePair(key, toNumber(storedValue(QLatin1Char('f') + key))));
    const QString stored = currentOptionStore
        ? readSettingValue(currentOptionStore->printerName(), QStringLiteral("Cadj")) : QString();
    selectChoice(QStringLiteral("Cadj"), stored.isEmpty() ? QStringLiteral("False") : stored);
    const QString space = currentOptionStore
        ? readSettingValue(currentOptionStore->printerName(), QStringLiteral("CaColorSpace")) : QString();
    selectChoice(QStringLiteral("CaColorSpace"), space.isEmpty() ? QStringLiteral("-1") : space);
    const QString hueIndex = currentOptionStore
        ? readSettingValue(currentOptionStore->printerName(), QStringLiteral("HueIndex")) : QString();
    keptHueIndex = hueIndex.isEmpty() ? 0 : hueIndex.toInt();
    applyStates();
}

void adjustmentDialog::applyStates()
{
    // Switching the mode below clears the hue settings, the kept hue index
    // with them; the index being applied must survive that.
    const int hueIndex = keptHueIndex;
    keywordsByHueText.clear();
    hueCombo->clear();

    if (kOption *cadj = storeOption(QStringLiteral("Cadj"))) {
        const kChoice *marked = cadj->markedChoice();
        customBox->setChecked(marked && marked->name() == QLatin1String("True"));
        const bool custom = customBox->isChecked();
        hslRadio->setEnabled(custom);
        hueGroup->setEnabled(custom);
        balanceRadio->setEnabled(custom);
        levelsGroup->setEnabled(custom);
    }

    if (kOption *space = storeOption(QStringLiteral("CaColorSpace"))) {
        const QList<kChoice *> choices = space->choices();
        // Captions come from the PPD when it has them; a short choice list
        // keeps the built-in caption.
        if (choices.size() > 1)
            hslRadio->setText(choices.at(1)->text());
        if (choices.size() > 2)
            balanceRadio->setText(choices.at(2)->text());
        QString selected = space->markedChoice() ? space->markedChoice()->name() : QString();
        if (selected.isEmpty())
            selected = space->defaultName();
        const bool balance = selected == QLatin1String("1");
        (balance ? balanceRadio : hslRadio)->setChecked(true);
        hueGroup->setVisible(!balance);
        levelsGroup->setVisible(balance);
    }

    for (const auto &entry : qAsConst(keptValues)) {
        kOption *option = storeOption(entry.first);
        if (!option)
            continue;
        if (option->keyword().contains(QLatin1String("CaH"))) {
            hueCombo->addItem(option->text());
            keywordsByHueText.insert(option->text(), option->keyword());
        }
        slidersByKey.value(entry.first)->setValue(positionFor(entry.first, entry.second));
        editsByKey.value(entry.first)->setText(QString::number(entry.second, 'g', 6));
    }

    keptHueIndex = hueIndex;
    hueCombo->setCurrentIndex(keptHueIndex);
    hueSelectedChanged(hueCombo->currentText());
    if (hueCombo->currentIndex() < 0) {
        // No hue row is selectable: none is shown.
        for (const QString &key : QStringList{masterKey} + singleHueKeys) {
            labelsByKey.value(key)->hide();
            editsByKey.value(key)->hide();
            slidersByKey.value(key)->hide();
        }
    }
}

adjustmentDialog::OpenState adjustmentDialog::currentState() const
{
    OpenState state;
    state.custom = customBox->isChecked();
    state.hsl = hslRadio->isChecked();
    state.hueIndex = keptHueIndex;
    for (const QString &key : adjustmentKeys()) {
        state.positions.insert(key, slidersByKey.value(key)->value());
        state.texts.insert(key, editsByKey.value(key)->text());
    }
    return state;
}

void adjustmentDialog::restore(const OpenState &state)
{
    customBox->setChecked(state.custom);
    (state.hsl ? hslRadio : balanceRadio)->setChecked(true);
    keptHueIndex = state.hueIndex;
    applyStates();
    blockAllSignals(true);
    for (const QString &key : adjustmentKeys()) {
        slidersByKey.value(key)->setValue(state.positions.value(key));
        editsByKey.value(key)->setText(state.texts.value(key));
    }
    blockAllSignals(false);
}

int adjustmentDialog::exec()
{
    applyStates();
    const OpenState atOpen = currentState();
    confirmed = false;
    const int result = QDialog::exec();
    // Cancel, Escape and the window's close button all end here unconfirmed:
    // what the user tried out must not reach the settings.
    if (!confirmed)
        restore(atOpen);
    return result;
}

QList<QPair<QString, QString>> adjustmentDialog::getOptions() const
{
    QList<QPair<QString, QString>> pairs;
    const bool custom = customBox->isChecked();
    const QString space = !custom ? QStringLiteral("-1") : hslRadio->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    pairs.append({QStringLiteral("Cadj"), custom ? QStringLiteral("True") : QStringLiteral("False")});
    pairs.append({QStringLiteral("CaColorSpace"), space});
    pairs.append({QStringLiteral("HueIndex"),
                  space == QLatin1String("0") ? QString::number(hueCombo->currentIndex()) : QStringLiteral("0")});
    for (const QString &key : adjustmentKeys()) {
        const int position = slidersByKey.value(key)->value();
        if (key == masterKey)
            pairs.append({key, QString::number(position / 10) + QLatin1Char('0')});
        else
            pairs.append({key, QString::number(position / sliderScale) + QLatin1String(".0")});
    }
    for (const QString &key : adjustmentKeys()) {
        const int position = slidersByKey.value(key)->value();
        const double value = key == masterKey ? position : static_cast<double>(position) / sliderScale;
        pairs.append({QLatin1Char('f') + key, QString::number(value, 'g', 6)});
    }
    return pairs;
}
