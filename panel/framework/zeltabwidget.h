#pragma once

#include <QTabWidget>

// Tab widget of the main dialog: installs a ZelTabBar and darkens the strip
// below the last tab.
class ZelTabWidget : public QTabWidget
{
public:
    explicit ZelTabWidget(QWidget *parent = nullptr);

    QTabBar *bar() const { return tabBar(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
