#pragma once

#include "tab.h"

class QLabel;
class ZelButtonGroup;

// The Basic page: paper size, media type, source and destination in combo
// boxes, collation, duplex and colour mode in icon button groups.
class GeneralTab : public Tab
{
    Q_OBJECT

public:
    explicit GeneralTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void addComboItems(QComboBox *comboBox, kOption *option) override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    void reload() override;
    QHash<QString, QString> getOptions() override;
    void clearConflictMarks() override;
    QList<DetailRow> detailRows() override;

    virtual void updateCaptions();

    // The colour-mode group the main dialog keeps in step with the Imaging page.
    ZelButtonGroup *colorModeGroup() const { return colorGroup; }

public slots:
    bool enableOptionsForButtonGroup(ZelButtonGroup *button_group, kOption *option) override;

public:
    QLabel *pageSizeLabel = nullptr;
    ComboBoxEx *pageSizeBox = nullptr;
    QLabel *mediaTypeLabel = nullptr;
    ComboBoxEx *mediaTypeBox = nullptr;
    QLabel *inputSlotLabel = nullptr;
    ComboBoxEx *inputSlotBox = nullptr;
    QLabel *outputBinLabel = nullptr;
    ComboBoxEx *outputBinBox = nullptr;
    ZelButtonGroup *collateGroup = nullptr;
    ZelButtonGroup *duplexGroup = nullptr;
    ZelButtonGroup *colorGroup = nullptr;

private:
    void layOut();
};
