#pragma once

#include "tab.h"

class ZelButtonGroup;

// The Basic page: paper, collation, duplex and colour mode.
class GeneralTab : public Tab
{
    Q_OBJECT

public:
    explicit GeneralTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;

    // The colour-mode group the main dialog keeps in step with the Imaging page.
    ZelButtonGroup *colorModeGroup() const { return colorGroup; }

private:
    ZelButtonGroup *colorGroup = nullptr;
};
