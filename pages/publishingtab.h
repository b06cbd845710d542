#pragma once

#include "tab.h"

class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QRegExpValidator;

// The Publishing page: covers, inserted sheets and transparency
// interleaving, each a section switched on by its check-box button.
class PublishingTab : public Tab
{
    Q_OBJECT

public:
    explicit PublishingTab(QWidget *dialog = nullptr);
    ~PublishingTab() override;

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    void resetUnsupported() override;
    QHash<QString, QString> getExtraOptions() override;
    void clearConflictMarks() override;
    void updateDependentControls() override;
    bool hasConflict() override;
    void retranslateUi() override;
    void markCustomConstraints() override;
    QList<DetailRow> detailRows() override;
    bool enableOptionsForCheckBoxButton(ZelCheckBoxButton *checkbox_button, kOption *option) override;

    QString coverModeValue() const;
    QString coverRadioState() const;
    QString pageInsertPrintOntoValue() const;
    void putCoverSettings(QHash<QString, QString> &settings) const;
    void putPageInsertSettings(QHash<QString, QString> &settings) const;
    void putInterleaveSettings(QHash<QString, QString> &settings) const;
    void loadCoverSettings();
    void loadPageInsertSettings();
    void loadInterleaveSettings();
    void loadPublishingSettings();

    // The list accepted by the last check, in normal form.
    QString acceptedPages;
    // True while the page list is not accepted.
    bool pageListInvalid = false;

    QLabel *lblCvrMode = nullptr;
    QRadioButton *rdButCvrFront = nullptr;
    QRadioButton *rdButCvrFrontBack = nullptr;
    QLabel *lblCvrPrintOnto = nullptr;
    QLabel *lblCvrFront = nullptr;
    QCheckBox *chkBxCvrFrontOut = nullptr;
    QCheckBox *chkBxCvrFrontIn = nullptr;
    QLabel *lblCvrBack = nullptr;
    QCheckBox *chkBxCvrBackOut = nullptr;
    QCheckBox *chkBxCvrBackIn = nullptr;
    QLabel *lblCvrM = nullptr;
    ComboBoxEx *cmbBxCvrM = nullptr;
    ZelCheckBoxButton *chkButCvr = nullptr;
    QLabel *lblPins = nullptr;
    QCheckBox *chkBxPinsPrintOntoFront = nullptr;
    QCheckBox *chkBxPinsPrintOntoBack = nullptr;
    QLabel *lblPinsPage = nullptr;
    QLineEdit *lnEditPinsPage = nullptr;
    QLabel *lblPMed = nullptr;
    ComboBoxEx *cmbBxPMed = nullptr;
    ZelCheckBoxButton *chkButPins = nullptr;
    QLabel *lblTint = nullptr;
    QCheckBox *chkBxTintPrintOnto = nullptr;
    QLabel *lblTMed = nullptr;
    ComboBoxEx *cmbBxTMed = nullptr;
    ZelCheckBoxButton *chkButTint = nullptr;

public slots:
    void checkPageInsertInputText();
    void BlockAllSignals(bool block);
    void coverRadioButtonSelectionChanged();
    void coverModeToggled(bool toggleState);
    void pageInsertToggled(bool toggleState);
    void interleaveToggled(bool toggleState);

private:
    void layoutPage();
    void connectPage();
    // True when the section's "True" is blocked by nothing but the "True"
    // of other sections.
    bool blockedOnlyBySections(kOption *option) const;

    QRegExpValidator *pageListValidator = nullptr;
};
