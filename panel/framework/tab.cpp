#include "tab.h"

#include "errormark.h"
#include "optionstore.h"
#include "settingsfile.h"

#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QSlider>
#include <QStandardItemModel>

namespace {
const QString errorIconPath = QStringLiteral(":/icons/error");
const QString trueName = QStringLiteral("True");
const QString falseName = QStringLiteral("False");

// A slider's value as the text of the choice it stands for.
QString sliderText(int value, const QString &keyword)
{
    if (keyword == QLatin1String("CaHueMaster"))
        return QString::number(value * 10);
    if (value == 0)
        return QStringLiteral("0");
    return QString::number(value) + QLatin1String(".0");
}
}

Tab::Tab(QWidget *dialog)
    : QWidget(dialog, Qt::WindowFlags()),
      dialog(dialog),
      conflict(false),
      customConstraintWidgets(new QHash<QWidget *, QWidget *>)
{
    setStyleSheet(QStringLiteral("ComboBoxEx{ margin-bottom: 8px }ZelButtonGroup{ margin-bottom: 8px }"
                                 "QCheckBox{ margin-bottom: 8px }ZelCheckBoxButton{ margin-bottom: 8px }"));
    setContentsMargins(10, 10, 10, 10);
}

Tab::~Tab()
{
    delete customConstraintWidgets;
}

void Tab::setDialog(QWidget *newDialog)
{
    dialog = newDialog;
    connectWidgets();
}

kOption *Tab::optionFor(const QString &keyword) const
{
    if (!currentOptionStore || keyword.isEmpty())
        return nullptr;
    return currentOptionStore->option(keyword);
}

QString Tab::keywordOf(QObject *widget) const
{
    if (!widget)
        return QString();
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        if (it.value() == widget)
            return it.key();
    }
    return QString();
}

QString Tab::storedValue(kOption *option) const
{
    if (!currentOptionStore || !option)
        return QString();
    return storedSetting(option->keyword());
}

QString Tab::storedSetting(const QString &key)
{
    const QString value = readSettingValue(currentOptionStore ? currentOptionStore->printerName() : QString(), key);
    return value.isEmpty() ? QString() : value;
}

// ---- names, registries and reporting -------------------------------------

QString Tab::tabName()
{
    if (!pageTitle.isEmpty())
        return pageTitle;
    QMessageBox box;
    box.setText(QStringLiteral("ERROR: tabName not init'd!"));
    box.exec();
    return QStringLiteral("ERROR");
}

void Tab::setHasConflict(bool hasConflict)
{
    conflict = hasConflict;
}

bool Tab::hasConflict()
{
    return conflict;
}

void Tab::blockWidgetSignals(bool block)
{
    for (QWidget *widget : qAsConst(optionWidgets)) {
        if (widget)
            widget->blockSignals(block);
    }
}

void Tab::addCustomConstraint(QWidget *key, QWidget *marked)
{
    customConstraintWidgets->insert(key, marked);
}

void Tab::removeCustomConstraint(QWidget *key)
{
    customConstraintWidgets->remove(key);
}

QIcon Tab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic"));
}

QIcon Tab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-basic-constraint"));
}

void Tab::afterLoad() {}
void Tab::addCustomConstraints() {}
void Tab::updateDependentControls() {}
void Tab::retranslateUi() {}
void Tab::resetUnsupported() {}

QList<Tab::DetailRow> Tab::detailRows()
{
    return {};
}

QHash<QString, QString> Tab::getExtraOptions()
{
    return QHash<QString, QString>();
}

void Tab::applyColorModeFallback(ZelButtonGroup *group, const QString &monoText)
{
    kOption *option = optionFor(QStringLiteral("ColorModel"));
    if (!option) {
        // Disabled already by the load, as any group without its option.
        group->select(monoText);
        group->setCaptionEnabled(true);
    } else if (option->choiceCount() == 1) {
        group->select(monoText);
        group->setEnabled(false);
        group->setCaptionEnabled(true);
    }
}

void Tab::collectBoundOptions()
{
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        kOption *option = optionFor(it.key());
        if (!option)
            continue;
        const QString value = widgetValue(it.value(), option);
        if (!value.isEmpty())
            options.insert(it.key(), value);
    }
}

QHash<QString, QString> Tab::getOptions()
{
    options.clear();
    if (!currentOptionStore)
        return options;
    collectBoundOptions();
    // An unchecked check-box button stands for the choice its dependents
    // were registered with, whatever the (disabled) combo box shows.
    const QList<OffDependent> off = offDependents();
    for (const OffDependent &dependent : off) {
        const QString value = dependent.button->dependentValue(dependent.widget);
        if (value == noDefault)
            continue;
        const QString name = choiceNameForText(dependent.option, value);
        if (!name.isEmpty())
            options.insert(dependent.keyword, name);
    }
    return options;
}

QList<Tab::OffDependent> Tab::offDependents() const
{
    QList<OffDependent> found;
    for (ZelCheckBoxButton *button : checkBoxButtons) {
        if (!button || button->isChecked())
            continue;
        const QList<QWidget *> dependents = button->dependents();
        for (QWidget *dependent : dependents) {
            // An unregistered widget ("NOT_IN_HASH") has nothing to report.
            const QString keyword = keywordOf(dependent);
            if (kOption *option = optionFor(keyword))
                found.append({button, dependent, keyword, option});
        }
    }
    return found;
}

// ---- loading ---------------------------------------------------------------

void Tab::reload()
{
    if (!currentOptionStore)
        return;
    blockWidgetSignals(true);
    setTabName();
    customConstraintWidgets->clear();
    addCustomConstraints();
    clearConflictMarks();
    updateLabels();
    loadWidgetsFromOptions();
    markAllOptions();
    afterLoad();
    enableOptions();
    blockWidgetSignals(false);
}

void Tab::loadWidgetsFromOptions()
{
    if (!currentOptionStore)
        return;
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        QWidget *widget = it.value();
        kOption *option = optionFor(it.key());
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            setupComboBox(combo, option);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            setCheckBoxValue(checkBox, option);
        else if (auto *group = qobject_cast<ZelButtonGroup *>(widget))
            setButtonGroupValue(group, option);
        else if (auto *button = qobject_cast<ZelCheckBoxButton *>(widget))
            setCheckBoxButtonValue(button, option);
    }
    for (ZelCheckBoxButton *button : qAsConst(checkBoxButtons)) {
        if (button)
            button->initDependents();
    }
}

void Tab::setupComboBox(QComboBox *comboBox, kOption *option)
{
    if (!comboBox)
        return;
    comboBox->clear();
    if (!option) {
        comboBox->setEnabled(false);
        return;
    }
    comboBox->setEnabled(true);
    addComboItems(comboBox, option);
    selectComboBoxValue(comboBox, option);
}

void Tab::addComboItems(QComboBox *comboBox, kOption *option)
{
    if (!comboBox || !option)
        return;
    const QList<kChoice *> choices = option->choices();
    for (const kChoice *choice : choices)
        comboBox->addItem(choice->text());
}

void Tab::selectComboBoxValue(QComboBox *comboBox, kOption *option)
{
    if (!comboBox || !option)
        return;
    const QString stored = storedValue(option);
    const kChoice *choice = stored.isNull() ? nullptr : option->choiceByName(stored);
    const kChoice *fallback = option->defaultChoice();
    int index = -1;
    if (choice)
        index = comboBox->findText(choice->text());
    if (index < 0) {
        if (fallback)
            index = comboBox->findText(fallback->text());
        else if (!choice && comboBox->count() > 0)
            index = 0; // no default to fall back on: show the first choice
    }
    comboBox->setCurrentIndex(index);
}

void Tab::setCheckBoxValue(QCheckBox *checkBox, kOption *option)
{
    if (!checkBox || !option)
        return;
    const QString stored = storedValue(option);
    const kChoice *choice = stored.isNull() ? nullptr : option->choiceByName(stored);
    if (!choice)
        choice = option->defaultChoice();
    checkBox->setChecked(choice && choice->name() == trueName);
}

void Tab::setButtonGroupValue(ZelButtonGroup *buttonGroup, kOption *option)
{
    if (!buttonGroup)
        return;
    if (!option) {
        buttonGroup->setEnabled(false);
        return;
    }
    const QString stored = storedValue(option);
    const kChoice *choice = stored.isNull() ? nullptr : option->choiceByName(stored);
    if (!choice)
        choice = option->defaultChoice();
    if (!choice) {
        buttonGroup->setEnabled(false);
        return;
    }
    buttonGroup->setEnabled(true);
    buttonGroup->select(choice->text());
}

void Tab::setCheckBoxButtonValue(ZelCheckBoxButton *checkBoxButton, kOption *option)
{
    if (!checkBoxButton || !option)
        return;
    const QString stored = storedValue(option);
    const kChoice *choice = stored.isNull() ? nullptr : option->choiceByName(stored);
    if (!choice)
        choice = option->defaultChoice();
    checkBoxButton->setChecked(choice && choice->name() == trueName);
}

void Tab::updateLabels()
{
    if (!currentOptionStore)
        return;
    for (auto it = labelWidgets.constBegin(); it != labelWidgets.constEnd(); ++it) {
        kOption *option = optionFor(it.key());
        if (QWidget *container = containerWidgets.value(it.key(), nullptr))
            container->setEnabled(option != nullptr);
        QWidget *caption = it.value();
        if (auto *label = qobject_cast<QLabel *>(caption)) {
            if (option)
                label->setText(option->text() + QLatin1Char(':'));
            label->setEnabled(option != nullptr);
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(caption)) {
            if (option) {
                checkBox->setText(option->text());
            } else {
                checkBox->setChecked(false);
            }
            checkBox->setEnabled(option != nullptr);
        }
    }
}

// ---- connections -----------------------------------------------------------

void Tab::connectToDialog(QObject *sender, const char *signal)
{
    if (!dialog || dialog->metaObject()->indexOfSlot("setConstraints()") < 0)
        return;
    connect(sender, signal, dialog, SLOT(setConstraints()), Qt::UniqueConnection);
}

void Tab::connectToPass(QObject *sender, const char *signal)
{
    if (!dialog || dialog->metaObject()->indexOfSlot("setConstraints()") < 0)
        return;
    connect(sender, signal, dialog, SLOT(setConstraints()));
}

void Tab::connectWidgets()
{
    for (QWidget *widget : qAsConst(optionWidgets)) {
        if (!widget)
            continue;
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget)) {
            connectComboBox(combo);
        } else if (qobject_cast<QCheckBox *>(widget)) {
            connectCheckBox(widget);
        } else if (qobject_cast<QSlider *>(widget)) {
            connectSlider(widget);
        } else if (qobject_cast<ZelButtonGroup *>(widget)) {
            connectButtonGroup(widget);
        } else if (qobject_cast<ZelCheckBoxButton *>(widget)) {
            connect(widget, SIGNAL(toggled(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
            connectToDialog(widget, SIGNAL(toggled(int)));
        } else if (qobject_cast<QRadioButton *>(widget)) {
            connect(widget, SIGNAL(toggled(bool)), this, SLOT(markOption(bool)), Qt::UniqueConnection);
            connectToDialog(widget, SIGNAL(toggled(bool)));
        }
    }
    for (ZelCheckBoxButton *button : qAsConst(checkBoxButtons)) {
        if (!button)
            continue;
        connect(button, SIGNAL(toggled(bool)), this, SLOT(CheckBoxMarkConstraints()), Qt::UniqueConnection);
        connectToDialog(button, SIGNAL(toggled(bool)));
    }
}

void Tab::connectComboBox(QComboBox *comboBox)
{
    if (!comboBox)
        return;
    comboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(comboBox, SIGNAL(currentIndexChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(comboBox, SIGNAL(currentIndexChanged(int)));
}

void Tab::connectCheckBox(QObject *checkBox)
{
    if (!checkBox)
        return;
    connect(checkBox, SIGNAL(stateChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(checkBox, SIGNAL(stateChanged(int)));
}

void Tab::connectSlider(QObject *slider)
{
    if (!slider)
        return;
    connect(slider, SIGNAL(valueChanged(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(slider, SIGNAL(valueChanged(int)));
}

void Tab::connectButtonGroup(QObject *buttonGroup)
{
    if (!buttonGroup)
        return;
    connect(buttonGroup, SIGNAL(buttonClicked(int)), this, SLOT(markOption(int)), Qt::UniqueConnection);
    connectToDialog(buttonGroup, SIGNAL(buttonClicked(int)));
}

// ---- marking ---------------------------------------------------------------

QString Tab::choiceNameForText(kOption *option, const QString &text) const
{
    if (!option)
        return QString();
    const QList<kChoice *> choices = option->choices();
    for (const kChoice *choice : choices) {
        if (choice->text() == text)
            return choice->name();
    }
    return QString();
}

QString Tab::widgetValue(QObject *widget, kOption *option) const
{
    if (!widget)
        return QString();
    if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
        return option ? choiceNameForText(option, combo->currentText()) : QString();
    if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
        return option ? (checkBox->isChecked() ? trueName : falseName) : QString();
    if (auto *slider = qobject_cast<QSlider *>(widget))
        return sliderText(slider->value(), option ? option->keyword() : QString());
    if (auto *group = qobject_cast<ZelButtonGroup *>(widget))
        return option ? choiceNameForText(option, group->checkedName()) : QString();
    if (auto *button = qobject_cast<ZelCheckBoxButton *>(widget))
        return option ? (button->isChecked() ? trueName : falseName) : QString();
    return QString();
}

void Tab::markOptionFromWidget(int value, QObject *widget)
{
    const QString keyword = keywordOf(widget);
    kOption *option = optionFor(keyword);
    if (!option)
        return;

    // The exact class decides; a subclass with a meta-object of its own
    // falls through to the default.
    const QString className = QString::fromLatin1(widget->metaObject()->className());
    kChoice *choice = nullptr;
    if (className == QLatin1String("ZelCheckBoxButton") || className == QLatin1String("QCheckBox")
        || className == QLatin1String("QRadioButton")) {
        choice = option->choiceByName(value != 0 ? trueName : falseName);
    } else if (className == QLatin1String("ComboBoxEx")) {
        choice = option->choiceByText(static_cast<QComboBox *>(widget)->currentText());
    } else if (className == QLatin1String("QSlider")) {
        choice = option->choiceByText(sliderText(value, keyword));
    } else if (className == QLatin1String("ZelButtonGroup")) {
        choice = option->choiceByText(static_cast<ZelButtonGroup *>(widget)->checkedName());
    }
    option->select(choice ? choice : option->defaultChoice());
}

void Tab::markOption(bool value)
{
    markOptionFromWidget(value ? 1 : 0, qobject_cast<QWidget *>(sender()));
}

void Tab::markOption(int value)
{
    markOptionFromWidget(value, qobject_cast<QWidget *>(sender()));
}

void Tab::markAllOptions()
{
    if (!currentOptionStore)
        return;
    for (QWidget *widget : qAsConst(optionWidgets)) {
        if (!widget)
            continue;
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            markOptionFromWidget(combo->currentIndex(), widget);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            markOptionFromWidget(checkBox->isChecked() ? 1 : 0, widget);
        else if (auto *slider = qobject_cast<QSlider *>(widget))
            markOptionFromWidget(slider->value(), widget);
        else if (qobject_cast<ZelButtonGroup *>(widget))
            markOptionFromWidget(0, widget);
        else if (auto *button = qobject_cast<ZelCheckBoxButton *>(widget))
            markOptionFromWidget(button->isChecked() ? 1 : 0, widget);
        else if (auto *radio = qobject_cast<QRadioButton *>(widget))
            markOptionFromWidget(radio->isChecked() ? 1 : 0, widget);
    }
    for (ZelCheckBoxButton *button : qAsConst(checkBoxButtons))
        CheckBoxMarkConstraintsWithSender(button);
}

void Tab::CheckBoxMarkConstraints()
{
    if (auto *button = qobject_cast<ZelCheckBoxButton *>(sender()))
        CheckBoxMarkConstraintsWithSender(button);
}

void Tab::CheckBoxMarkConstraintsWithSender(ZelCheckBoxButton *check_button)
{
    if (!check_button || !currentOptionStore)
        return;
    const QList<QWidget *> dependents = check_button->dependents();
    for (QWidget *dependent : dependents) {
        auto *combo = qobject_cast<ComboBoxEx *>(dependent);
        if (!combo)
            continue;
        if (check_button->isChecked()) {
            markOptionFromWidget(combo->currentIndex(), combo);
            continue;
        }
        // The unchecked state's item was taken out of the combo box; its
        // choice is found by the registered text instead.
        kOption *option = optionFor(keywordOf(combo));
        if (!option)
            continue;
        if (kChoice *choice = option->choiceByText(check_button->dependentValue(combo)))
            option->select(choice);
    }
}

// ---- greying ---------------------------------------------------------------

bool Tab::enableOptions()
{
    if (!currentOptionStore)
        return false;
    bool moved = false;
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        kOption *option = optionFor(it.key());
        QWidget *widget = it.value();
        if (!option || !widget)
            continue;
        if (auto *combo = qobject_cast<ComboBoxEx *>(widget))
            moved |= enableOptionsForComboBox(combo, option);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            moved |= enableOptionsForCheckBox(checkBox, option);
        else if (auto *button = qobject_cast<ZelCheckBoxButton *>(widget))
            moved |= enableOptionsForCheckBoxButton(button, option);
        else if (auto *group = qobject_cast<ZelButtonGroup *>(widget))
            moved |= enableOptionsForButtonGroup(group, option);
    }
    return moved;
}

bool Tab::enableOptionsForComboBox(ComboBoxEx *combo_box, kOption *option)
{
    if (!combo_box || !option || !combo_box->isEnabled())
        return false;
    const int current = combo_box->currentIndex();
    bool mustMove = false;
    int firstFree = -1;
    const QList<kChoice *> choices = option->choices();
    for (const kChoice *choice : choices) {
        const int item = combo_box->findText(choice->text());
        if (item < 0)
            continue;
        const bool blocked = choice->isConstrained();
        if (item == current && blocked)
            mustMove = true;
        if (!blocked && firstFree < 0)
            firstFree = item;
        setComboItemEnabled(item, combo_box, blocked);
    }
    if (!mustMove)
        return false;

    // Moving off the blocked item starts no nested pass. During reload the
    // signals are blocked already and must stay so.
    const bool wasBlocked = combo_box->blockSignals(true);
    if (firstFree >= 0) {
        combo_box->setCurrentIndex(firstFree);
        markOptionFromWidget(firstFree, combo_box);
        combo_box->blockSignals(wasBlocked);
        return true;
    }
    combo_box->setCurrentIndex(0);
    combo_box->blockSignals(wasBlocked);
    return false;
}

void Tab::setComboItemEnabled(int index, QComboBox *comboBox, bool greyed)
{
    if (!comboBox)
        return;
    auto *model = qobject_cast<QStandardItemModel *>(comboBox->model());
    QStandardItem *item = model ? model->item(index) : nullptr;
    if (!item)
        return;
    if (greyed) {
        item->setFlags(item->flags() & ~(Qt::ItemIsSelectable | Qt::ItemIsEnabled));
        item->setData(comboBox->palette().color(QPalette::Disabled, QPalette::Text), Qt::ForegroundRole);
    } else {
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setData(QVariant(), Qt::ForegroundRole);
    }
}

bool Tab::enableOptionsForCheckBox(QCheckBox *check_box, kOption *option)
{
    if (!check_box || !option || option->choiceCount() < 2)
        return false;
    const QList<kChoice *> choices = option->choices();
    bool marked = false;
    if (choices.at(1)->isConstrained()) {
        if (check_box->isChecked()) {
            markOptionFromWidget(0, check_box);
            marked = true;
        }
        check_box->setEnabled(false);
        check_box->setChecked(false);
    } else if (choices.at(0)->isConstrained()) {
        if (!check_box->isChecked()) {
            markOptionFromWidget(1, check_box);
            marked = true;
        }
        check_box->setChecked(true);
        check_box->setEnabled(false);
    } else {
        check_box->setEnabled(true);
    }
    return marked;
}

bool Tab::enableOptionsForCheckBoxButton(ZelCheckBoxButton *checkbox_button, kOption *option)
{
    if (!checkbox_button || !option)
        return false;
    const kChoice *checkedChoice = option->choiceByName(trueName);
    const kChoice *uncheckedChoice = option->choiceByName(falseName);
    bool marked = false;
    if (checkedChoice && checkedChoice->isConstrained()) {
        if (checkbox_button->isChecked()) {
            markOptionFromWidget(0, checkbox_button);
            marked = true;
        }
        checkbox_button->setChecked(false);
        checkbox_button->setEnabled(false);
    } else if (uncheckedChoice && uncheckedChoice->isConstrained()) {
        if (!checkbox_button->isChecked()) {
            markOptionFromWidget(1, checkbox_button);
            marked = true;
        }
        checkbox_button->setChecked(true);
        checkbox_button->setEnabled(false);
    } else {
        checkbox_button->setEnabled(true);
    }
    return marked;
}

bool Tab::enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option)
{
    if (!button_group || !option)
        return false;
    const int choiceCount = option->choiceCount();
    if (choiceCount == 0) {
        button_group->setEnabled(false);
        return false;
    }

    button_group->setEnabled(true);
    int blockedCount = 0;
    int firstFree = -1;
    bool markedBlocked = false;
    const kChoice *markedBefore = option->markedChoice();
    const QStringList names = button_group->buttonNames();
    for (int position = 0; position < names.size(); ++position) {
        const kChoice *choice = option->choiceByText(names.at(position));
        if (!choice) {
            // A click on it would mark no choice: Apply would drop it unsaid.
            button_group->enableButton(position, false);
            continue;
        }
        const bool blocked = choice->isConstrained();
        button_group->enableButton(position, !blocked);
        if (!blocked && firstFree < 0)
            firstFree = position;
        if (blocked)
            ++blockedCount;
        if (blocked && choice == option->markedChoice())
            markedBlocked = true;
    }

    if (markedBlocked) {
        if (firstFree >= 0) {
            option->select(option->choiceByText(names.at(firstFree)));
            button_group->setButton(firstFree);
        } else {
            option->select(nullptr);
        }
    }

    if (blockedCount == choiceCount) {
        button_group->setEnabled(false);
        button_group->setCaptionEnabled(true);
        option->select(option->choices().first());
        button_group->setButton(0);
        // Nothing is free: back on the choice it started from, nothing moved,
        // so the constraint pass need not run again.
        if (option->markedChoice() == markedBefore)
            return false;
    } else if (blockedCount == choiceCount - 1) {
        button_group->setEnabled(false);
        button_group->setCaptionEnabled(true);
    } else {
        button_group->setEnabled(true);
    }
    return markedBlocked;
}

// ---- marks -----------------------------------------------------------------

void Tab::setErrorMark(QObject *widget, const QString &toolTip, bool on)
{
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (on) {
            ErrorMark::append(label);
            label->setToolTip(toolTip);
            label->setStyleSheet(QStringLiteral(
                "QToolTip { color: #ffffff; background-color: #2a82da; border: 1px solid white; }"));
        } else {
            ErrorMark::remove(label);
            label->setToolTip(QString());
        }
    } else if (auto *group = qobject_cast<ZelButtonGroup *>(widget)) {
        if (on)
            group->setError(toolTip);
        else
            group->clearError();
    }
}

void Tab::markConflict(const QString &keyword)
{
    QWidget *caption = labelWidgets.value(keyword, nullptr);
    QWidget *editor = optionWidgets.value(keyword, nullptr);
    if (auto *label = qobject_cast<QLabel *>(caption)) {
        conflict = true;
        ErrorMark::append(label);
    } else if (qobject_cast<QCheckBox *>(editor) && keyword != QLatin1String("Cadj")) {
        conflict = true;
        static_cast<QCheckBox *>(editor)->setIcon(QIcon(errorIconPath));
    } else if (auto *group = qobject_cast<ZelButtonGroup *>(caption)) {
        conflict = true;
        group->setErrorIcon(true);
    } else if (qobject_cast<ZelCheckBoxButton *>(editor)) {
        conflict = true;
    }
}

void Tab::clearConflictMarks()
{
    for (QWidget *caption : qAsConst(labelWidgets)) {
        if (auto *label = qobject_cast<QLabel *>(caption)) {
            removeErrorMark(label);
        } else if (auto *checkBox = qobject_cast<QCheckBox *>(caption)) {
            checkBox->setIcon(QIcon());
            checkBox->setText(ErrorMark::removedFrom(checkBox->text()));
        } else if (auto *group = qobject_cast<ZelButtonGroup *>(caption)) {
            group->setErrorIcon(false);
        }
    }
}

bool Tab::storeHasBoundOption() const
{
    if (!currentOptionStore)
        return false;
    for (auto it = optionWidgets.constBegin(); it != optionWidgets.constEnd(); ++it) {
        if (currentOptionStore->option(it.key()))
            return true;
    }
    return false;
}

void Tab::removeErrorMark(QLabel *label)
{
    ErrorMark::remove(label);
}

void Tab::markCustomConstraints()
{
    for (QWidget *widget : qAsConst(*customConstraintWidgets)) {
        conflict = true;
        if (auto *label = qobject_cast<QLabel *>(widget))
            ErrorMark::append(label);
        else if (auto *checkBox = qobject_cast<QCheckBox *>(widget))
            checkBox->setIcon(QIcon(errorIconPath));
        else if (auto *group = qobject_cast<ZelButtonGroup *>(widget))
            group->setErrorIcon(true);
    }
}
