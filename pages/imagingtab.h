#pragma once

#include "tab.h"

class ComboBoxEx;
class QCheckBox;
class QLabel;
class QPushButton;
class ZelButtonGroup;
class adjustmentDialog;
class monoDialog;

// The Imaging page: print quality, colour mode, toner saving and the colour
// and monochrome adjustments. Toner saving is handled beside the base
// binding: an Off/On group over the "Thft" option and a level box.
class ImagingTab : public Tab
{
    Q_OBJECT

public:
    explicit ImagingTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    void resetUnsupported() override;
    QHash<QString, QString> getOptions() override;
    QHash<QString, QString> getExtraOptions() override;
    void clearConflictMarks() override;
    void retranslateUi() override;
    QList<DetailRow> detailRows() override;

    // The colour-mode group the main dialog keeps in step with the Basic page.
    ZelButtonGroup *colorModeGroup() const { return colorGroup; }
    ZelButtonGroup *thriftinkGroup() const { return thriftinkButtons; }
    ComboBoxEx *levelBox() const { return levelComboBox; }
    QPushButton *settingsButton() const { return adjustmentButton; }
    ComboBoxEx *resolutionBox() const { return resolutionComboBox; }
    QLabel *resolutionCaption() const { return resolutionLabel; }
    QCheckBox *smoothingBox() const { return smoothingCheckBox; }
    adjustmentDialog *colorDialog() const { return colorAdjustment; }
    monoDialog *monoAdjustmentDialog() const { return monoAdjustment; }

public slots:
    void thriftinkButtonToggled();
    void thriftinkComboBoxChanged();
    void showAdjustmentDialog();
    bool enableOptions() override;
    bool enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option) override;
    // Resets the colour adjustments for a selection other than 0, the
    // monochrome ones for 0.
    void clearDialogSettings(int selection);
    // The same for the mode that is not selected.
    void clearDialogSettings();

private:
    void updateAdjustmentButton();
    void loadThriftink();
    void updateResolutionCombo();
    void layOut();
    // Puts the level box on index, kept inside the box's items.
    void setLevelIndex(int index);

    adjustmentDialog *colorAdjustment = nullptr;
    monoDialog *monoAdjustment = nullptr;
    QLabel *printQualityLabel = nullptr;
    QLabel *trapLabel = nullptr;
    QLabel *printQualityImage = nullptr;
    ComboBoxEx *trapComboBox = nullptr;
    ZelButtonGroup *colorGroup = nullptr;
    QCheckBox *grayCheckBox = nullptr;
    QLabel *resolutionLabel = nullptr;
    ComboBoxEx *resolutionComboBox = nullptr;
    QCheckBox *smoothingCheckBox = nullptr;
    ComboBoxEx *levelComboBox = nullptr;
    ZelButtonGroup *thriftinkButtons = nullptr;
    QCheckBox *glossCheckBox = nullptr;
    QLabel *adjustmentLabel = nullptr;
    QPushButton *adjustmentButton = nullptr;
    QLabel *halftoneLabel = nullptr;
    ComboBoxEx *halftoneComboBox = nullptr;
    QLabel *reproductionLabel = nullptr;
    ComboBoxEx *reproductionComboBox = nullptr;
    QLabel *conversionLabel = nullptr;
    ComboBoxEx *conversionComboBox = nullptr;
    QLabel *cieLabel = nullptr;
    ComboBoxEx *cieComboBox = nullptr;
};
