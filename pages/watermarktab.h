#pragma once

#include "tab.h"

// The Watermark page: watermark text, font, size, colour and angle.
class WatermarkTab : public Tab
{
    Q_OBJECT

public:
    explicit WatermarkTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    QList<DetailRow> detailRows() override;
};
