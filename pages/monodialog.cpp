#include "monodialog.h"

#include "optionstore.h"
#include "koption.h"
#include "kchoice.h"
#include "settingsfile.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegExp>
#include <QRegExpValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpacerItem>

#include <cmath>

namespace {
const QString brightnessKey = QStringLiteral("Malt");
const QString contrastKey = QStringLiteral("Mact");

QString storedText(const QString &key)
{
    if (!currentOptionStore)
        return QString();
    return readSettingValue(currentOptionStore->printerName(), key);
}

// A stored exact position ("4.5") as a slider position (45). Rounded, not
// cut: 0.29 * 10 is 2.8999..., and a reload must give back what was saved.
int storedPosition(const QString &key)
{
    bool ok = false;
    const double value = storedText(key).toDouble(&ok);
    return ok ? static_cast<int>(std::lround(value * 10.0)) : 0;
}

QString quantised(int position)
{
    return QString::number(position / 10) + QLatin1String(".0");
}

QString exact(int position)
{
    return QString::number(position / 10.0, 'g', 6);
}
}

monoDialog::monoDialog(QWidget *parent)
    : QDialog(parent, Qt::WindowFlags())
{
    setupUi();
    connectSignals();

    auto *layout = new QGridLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(customBox, 0, 0, 1, 2, Qt::AlignLeft);
    layout->addWidget(brightnessLabel, 1, 0, 1, 1, Qt::AlignLeft);
    layout->addWidget(brightnessEditWidget, 1, 0, 1, 3, Qt::AlignHCenter);
    brightnessSliderWidget->setFixedWidth(250);
    layout->addWidget(brightnessSliderWidget, 2, 0, 1, 2);
    layout->addWidget(contrastLabel, 3, 0, 1, 1, Qt::AlignLeft);
    layout->addWidget(contrastEditWidget, 3, 0, 1, 3, Qt::AlignHCenter);
    contrastSliderWidget->setFixedWidth(250);
    layout->addWidget(contrastSliderWidget, 4, 0, 1, 2);
    layout->addItem(new QSpacerItem(25, 25, QSizePolicy::Expanding, QSizePolicy::Fixed), 5, 1, 1, 1);
    layout->addWidget(buttonBox, 6, 1, 2, 1, Qt::AlignBottom);
}

void monoDialog::setupUi()
{
    setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint & ~Qt::WindowMaximizeButtonHint
                   & ~Qt::WindowContextHelpButtonHint);
    setWindowTitle(tr("Adjustment Settings"));

    customBox = new QCheckBox(tr("Custom"), this);
    const QRegExp pattern(QStringLiteral("-?([0-9]|[1-9][0-9]|100)?"), Qt::CaseSensitive);

    brightnessLabel = new QLabel(tr("Brightness") + QLatin1Char(':'), this);
    brightnessEditWidget = new QLineEdit(this);
    brightnessEditWidget->setMaxLength(6);
    brightnessEditWidget->setMaximumWidth(45);
    brightnessEditWidget->setValidator(new QRegExpValidator(pattern, this));
    brightnessSliderWidget = new QSlider(Qt::Horizontal, this);
    brightnessSliderWidget->setRange(-100, 100);

    contrastLabel = new QLabel(tr("Contrast") + QLatin1Char(':'), this);
    contrastEditWidget = new QLineEdit(this);
    contrastEditWidget->setMaxLength(6);
    contrastEditWidget->setMaximumWidth(45);
    contrastEditWidget->setValidator(new QRegExpValidator(pattern, this));
    contrastSliderWidget = new QSlider(Qt::Horizontal, this);
    contrastSliderWidget->setRange(-100, 100);

    buttonBox = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
}

void monoDialog::connectSignals()
{
    connect(customBox, SIGNAL(toggled(bool)), this, SLOT(toggleAdjustment(bool)));
    connect(brightnessSliderWidget, SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
    connect(contrastSliderWidget, SIGNAL(valueChanged(int)), this, SLOT(setLineEditText(int)));
    connect(brightnessEditWidget, SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
    connect(contrastEditWidget, SIGNAL(textChanged(QString)), this, SLOT(setSliderValue()));
    QPushButton *ok = buttonBox->button(QDialogButtonBox::Ok);
    connect(ok, SIGNAL(clicked()), this, SLOT(saveSettings()));
    connect(ok, SIGNAL(clicked()), this, SLOT(close()));
    connect(buttonBox->button(QDialogButtonBox::Cancel), SIGNAL(clicked()), this, SLOT(close()));
}

void monoDialog::blockAllSignals(bool block)
{
    brightnessSliderWidget->blockSignals(block);
    contrastSliderWidget->blockSignals(block);
}

void monoDialog::setLineEditText(int value)
{
    blockAllSignals(true);
    QLineEdit *edit = sender() == contrastSliderWidget ? contrastEditWidget : brightnessEditWidget;
    edit->setText(QString::number(value));
    blockAllSignals(false);
}

void monoDialog::setSliderValue()
{
    blockAllSignals(true);
    QSlider *slider = sender() == contrastEditWidget ? contrastSliderWidget : brightnessSliderWidget;
    const QLineEdit *edit = slider == contrastSliderWidget ? contrastEditWidget : brightnessEditWidget;
    slider->setValue(edit->text().toInt());
    blockAllSignals(false);
}

void monoDialog::toggleAdjustment(bool enabled)
{
    brightnessLabel->setEnabled(enabled);
    brightnessEditWidget->setEnabled(enabled);
    brightnessSliderWidget->setEnabled(enabled);
    contrastLabel->setEnabled(enabled);
    contrastEditWidget->setEnabled(enabled);
    contrastSliderWidget->setEnabled(enabled);
    if (!enabled) {
        brightnessEditWidget->setText(QStringLiteral("0"));
        brightnessSliderWidget->setValue(0);
        contrastEditWidget->setText(QStringLiteral("0"));
        contrastSliderWidget->setValue(0);
    }
}

void monoDialog::saveSettings()
{
    confirmed = true;
    keptValues.clear();
    if (currentOptionStore)
        currentOptionStore->selectChoice(QStringLiteral("Madj"),
                                         customBox->isChecked() ? QStringLiteral("True") : QStringLiteral("False"));
    keptValues.append(qMakePair(brightnessKey, brightnessEditWidget->text().toInt()));
    keptValues.append(qMakePair(contrastKey, contrastEditWidget->text().toInt()));
}

void monoDialog::resetStates()
{
    if (currentOptionStore)
        currentOptionStore->selectChoice(QStringLiteral("Madj"), QStringLiteral("False"));
    keptValues.clear();
    applyStates();
}

void monoDialog::forgetValues()
{
    const QSignalBlocker switchBlocker(customBox);
    blockAllSignals(true);
    customBox->setChecked(false);
    brightnessSliderWidget->setValue(0);
    contrastSliderWidget->setValue(0);
    brightnessEditWidget->clear();
    contrastEditWidget->clear();
    blockAllSignals(false);
    keptValues.clear();
}

void monoDialog::loadStoredValues()
{
    // Without "Madj" the switch stays as built, never as another printer or
    // profile left it.
    forgetValues();
    const QString stored = storedText(QStringLiteral("Madj"));
    if (currentOptionStore)
        currentOptionStore->selectChoice(QStringLiteral("Madj"), stored.isEmpty() ? QStringLiteral("False") : stored);
    keptValues.clear();
    keptValues.append(qMakePair(brightnessKey, storedPosition(QStringLiteral("fMalt"))));
    keptValues.append(qMakePair(contrastKey, storedPosition(QStringLiteral("fMact"))));
    applyStates();
}

void monoDialog::applyStates()
{
    kOption *option = currentOptionStore ? currentOptionStore->option(QStringLiteral("Madj")) : nullptr;
    if (option) {
        const kChoice *marked = option->markedChoice();
        customBox->setChecked(marked && marked->name() == QLatin1String("True"));
    }
    for (const auto &kept : qAsConst(keptValues)) {
        if (kept.first == contrastKey) {
            contrastEditWidget->setText(QString::number(kept.second));
            contrastSliderWidget->setValue(kept.second);
        } else {
            brightnessEditWidget->setText(QString::number(kept.second));
            brightnessSliderWidget->setValue(kept.second);
        }
    }
    if (keptValues.isEmpty()) {
        contrastEditWidget->setText(QStringLiteral("0"));
        contrastSliderWidget->setValue(0);
        brightnessEditWidget->setText(QStringLiteral("0"));
        brightnessSliderWidget->setValue(0);
    }
    toggleAdjustment(customBox->isChecked());
}

int monoDialog::exec()
{
    applyStates();
    const bool customAtOpen = customBox->isChecked();
    confirmed = false;
    const int result = QDialog::exec();
    // Cancel, Escape and the window's close button all end here unconfirmed:
    // what the user tried out must not reach the settings.
    if (!confirmed) {
        customBox->setChecked(customAtOpen);
        applyStates();
    }
    return result;
}

QList<QPair<QString, QString>> monoDialog::getOptions() const
{
    const int brightness = brightnessSliderWidget->value();
    const int contrast = contrastSliderWidget->value();
    return {
        {QStringLiteral("Madj"), customBox->isChecked() ? QStringLiteral("True") : QStringLiteral("False")},
        {brightnessKey, quantised(brightness)},
        {contrastKey, quantised(contrast)},
        {QStringLiteral("fMalt"), exact(brightness)},
        {QStringLiteral("fMact"), exact(contrast)},
    };
}
