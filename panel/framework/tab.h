#pragma once

#include "comboboxex.h"
#include "kchoice.h"
#include "koption.h"
#include "zelbuttongroup.h"
#include "zelcheckboxbutton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHash>
#include <QIcon>
#include <QList>
#include <QString>
#include <QWidget>

// Base class of every settings page. A page registers each widget under the
// PPD keyword of the option it edits; from these registries the base class
// fills the widgets, marks their choices, greys blocked choices, shows
// conflict marks and reports the page's settings.
class QLabel;

class Tab : public QWidget
{
    Q_OBJECT

public:
    // The dialog is the page's parent and the receiver of its setConstraints()
    // connections, made by name so the page needs no dialog class; one set
    // later through setDialog() gets them then.
    explicit Tab(QWidget *dialog = nullptr);
    ~Tab() override;

    // Virtual operations, in this order.
    virtual void setTabName() = 0;
    virtual void loadWidgetsFromOptions();
    virtual void setupComboBox(QComboBox *comboBox, kOption *option);
    virtual void addComboItems(QComboBox *comboBox, kOption *option);
    virtual void buildUi() = 0;
    virtual void afterLoad();
    virtual void connectComboBox(QComboBox *comboBox);
    virtual void connectCheckBox(QObject *checkBox);
    virtual void connectSlider(QObject *slider);
    virtual void connectButtonGroup(QObject *buttonGroup);
    virtual void setErrorMark(QObject *widget, const QString &toolTip, bool on);
    virtual void addCustomConstraints();
    virtual QIcon icon();
    virtual QIcon constraintIcon();
    virtual bool isSupported() = 0;
    virtual void reload();
    virtual QHash<QString, QString> getOptions();
    virtual QHash<QString, QString> getExtraOptions();
    virtual void markConflict(const QString &keyword);
    virtual void clearConflictMarks();
    virtual void updateDependentControls();
    virtual bool hasConflict();
    virtual void retranslateUi();
    virtual void markOptionFromWidget(int value, QObject *widget);
    virtual void markAllOptions();
    virtual void markCustomConstraints();
    virtual void resetUnsupported();

    // A stored setting the profile details show under the page's title.
    struct DetailRow
    {
        QString key;
        QString label;
    };
    // The page's settings keys the profile details show, in order; none by default.
    virtual QList<DetailRow> detailRows();

public slots:
    virtual void markOption(bool value);
    virtual void markOption(int value);
    virtual bool enableOptions();
    virtual bool enableOptionsForComboBox(ComboBoxEx *combo_box, kOption *option);
    virtual bool enableOptionsForCheckBox(QCheckBox *check_box, kOption *option);
    virtual bool enableOptionsForCheckBoxButton(ZelCheckBoxButton *checkbox_button, kOption *option);
    virtual bool enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option);
    void CheckBoxMarkConstraints();
    void CheckBoxMarkConstraintsWithSender(ZelCheckBoxButton *check_button);

public:
    QString tabName();
    void setHasConflict(bool hasConflict);
    void blockWidgetSignals(bool block);
    void connectWidgets();
    void updateLabels();
    void selectComboBoxValue(QComboBox *comboBox, kOption *option);
    void setCheckBoxValue(QCheckBox *checkBox, kOption *option);
    void setButtonGroupValue(ZelButtonGroup *buttonGroup, kOption *option);
    void setCheckBoxButtonValue(ZelCheckBoxButton *checkBoxButton, kOption *option);
    void addCustomConstraint(QWidget *key, QWidget *marked);
    void removeCustomConstraint(QWidget *key);
    QString choiceNameForText(kOption *option, const QString &text) const;
    QString widgetValue(QObject *widget, kOption *option) const;
    void setComboItemEnabled(int index, QComboBox *comboBox, bool greyed);

    // Sets the dialog later (a page built without one) and connects the
    // registered widgets to it.
    void setDialog(QWidget *dialog);

    // The main dialog; a plain widget so the framework builds without it.
    QWidget *dialog;
    QString pageTitle;
    bool conflict;
    QHash<QWidget *, QWidget *> *customConstraintWidgets;
    QHash<QString, QWidget *> optionWidgets;
    QHash<QString, QWidget *> labelWidgets;
    QHash<QString, QWidget *> containerWidgets;
    QList<ZelCheckBoxButton *> checkBoxButtons;
    QHash<QString, QString> options;

protected:
    // A colour-mode group whose printer offers no colour: it shows monoText
    // (the translated "Black & white"), fixed when the PPD has that one choice.
    void applyColorModeFallback(ZelButtonGroup *group, const QString &monoText);
    // Puts the value of every registered widget whose option the store holds
    // into options, skipping empty values.
    void collectBoundOptions();
    // True when the current store holds an option this page registered a widget for.
    bool storeHasBoundOption() const;
    // A registered dependent of a check-box button that is off, with its
    // keyword and the store's option for it.
    struct OffDependent
    {
        ZelCheckBoxButton *button;
        QWidget *widget;
        QString keyword;
        kOption *option;
    };
    // Those whose option the store holds, button by button.
    QList<OffDependent> offDependents() const;
    // Takes a caption's error mark off, with the blank it was appended with.
    static void removeErrorMark(QLabel *label);
    // The stored value of an option in the active settings file, null when
    // there is none or no printer is selected.
    QString storedValue(kOption *option) const;
    // The stored value of any settings key, the page's own keys included;
    // null when there is none.
    static QString storedSetting(const QString &key);
    // The keyword a widget stands under in optionWidgets, empty if none.
    QString keywordOf(QObject *widget) const;
    kOption *optionFor(const QString &keyword) const;
    // Connects signal to the dialog's setConstraints(), once, when there is a
    // dialog that has that slot.
    void connectToDialog(QObject *sender, const char *signal);
    // The same as a plain connection, which may repeat one made before.
    void connectToPass(QObject *sender, const char *signal);
};
