#pragma once

#include "tab.h"

// The Job page: storage, account IDs, job name, notice and user login.
class JobTab : public Tab
{
    Q_OBJECT

public:
    explicit JobTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;
    QList<DetailRow> detailRows() override;
};
