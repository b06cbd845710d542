#pragma once

#include "tab.h"

// The print-accounting page: the server, the login and the policies it forces.
class TPXTab : public Tab
{
    Q_OBJECT

public:
    explicit TPXTab(QWidget *dialog = nullptr);

    void setTabName() override;
    void buildUi() override;
    QIcon icon() override;
    QIcon constraintIcon() override;
    bool isSupported() override;

signals:
    // The print-accounting server's colour policy was taken over.
    void colorchanged();
};
