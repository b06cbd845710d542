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
        // The dialog's style sheet collapses disabled tabs: nothing of theirs
        // may spill over their neighbours.
        painter.setClipRect(rect);

        option.icon = QIcon();
        option.text.clear();
        style()->drawControl(QStyle::CE_TabBarTab, &option, &painter, this);

        // A disabled tab shows its icon only.
        painter.setPen(isTabEnabled(index) ? QColor(Qt::white) : QColor(0, 0, 0, 0));
        painter.setFont(QFont(QStringLiteral("Arial"), 12));
        const int iconWidth = option.iconSize.width();
        painter.drawText(rect.adjusted(iconWidth + 17, 3, 0, -3),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
        // The icon keeps the bar's icon size instead of filling the tab's height.
        const QSize iconSize = option.iconSize;
        const QRect iconRect(rect.left() + 7, rect.center().y() - iconSize.height() / 2 + 1,
                             iconSize.width(), iconSize.height());
        tabIconImage.paint(&painter, iconRect, Qt::AlignCenter, QIcon::Normal, QIcon::Off);
    }
}
