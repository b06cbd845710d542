#include "zeltabbar.h"

#include <QPainter>
#include <QStyleOptionTab>

ZelTabBar::ZelTabBar(QWidget *parent)
    : QTabBar(parent)
{
}

void ZelTabBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    for (int index = 0; index < count(); ++index) {
        QStyleOptionTab option;
        initStyleOption(&option, index);
        const QIcon tabIconImage = tabIcon(index);
        const QString text = tabText(index);
        const QRect rect = tabRect(index);

        option.icon = QIcon();
        option.text.clear();
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);

        // A disabled tab shows its icon only.
        painter.setPen(isTabEnabled(index) ? QColor(Qt::white) : QColor(0, 0, 0, 0));
        painter.setFont(QFont(QStringLiteral("Arial"), 12));
        const int iconWidth = option.iconSize.width();
        painter.drawText(rect.adjusted(iconWidth + 17, 3, 0, -3),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        tabIconImage.paint(&painter, rect.adjusted(7, 3, 0, -3),
                           Qt::AlignLeft | Qt::AlignVCenter, QIcon::Normal, QIcon::Off);
    }
}
