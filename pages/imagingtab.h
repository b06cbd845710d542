#pragma once

#include "tab.h"

class ZelButtonGroup;

// The Imaging page: print quality, colour mode, toner saving and adjustments.
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

    // The colour-mode group the main dialog keeps in step with the Basic page.
    ZelButtonGroup *colorModeGroup() const { return colorGroup; }

public slots:
    // Resets the colour adjustments for a selection other than 0, the
    // monochrome ones for 0.
    void clearDialogSettings(int selection);
    // The same for the mode that is not selected.
    void clearDialogSettings();

private:
    ZelButtonGroup *colorGroup = nullptr;
};
