#include "booklettab.h"

#include "optionstore.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>

BookletTab::BookletTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
    layOut();
}

void BookletTab::setTabName()
{
    pageTitle = tr("Layout");
    pageTitle = tabName();
}

void BookletTab::buildUi()
{
    pageTitle = tr("Layout");
    const QString booklet = QStringLiteral("ZVBooklet");
    const QString fold = QStringLiteral("Fold");

    bookletGroup = new ZelButtonGroup(this, tr("Booklet") + QLatin1Char(':'));
    bookletGroup->addButton(tr("Off"), QStringLiteral(":/icons/booklet-off"));
    bookletGroup->addButton(tr("Left edge binding"), QStringLiteral(":/icons/booklet-left"));
    bookletGroup->addButton(tr("Right edge binding"), QStringLiteral(":/icons/booklet-right"));
    bookletGroup->setAccessibleName(QStringLiteral("butGroup") + booklet);

    foldBox = new QCheckBox(tr("Booklet fold"));
    foldBox->setAccessibleName(QStringLiteral("chkBxFold"));

    optionWidgets.insert(booklet, bookletGroup);
    optionWidgets.insert(fold, foldBox);
    labelWidgets.insert(booklet, bookletGroup);
    labelWidgets.insert(fold, foldBox);
}

void BookletTab::layOut()
{
    auto *grid = new QGridLayout;
    grid->addWidget(bookletGroup, 0, 1, Qt::AlignLeft);
    grid->addWidget(foldBox, 1, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(3, 1);
    auto *layout = new QHBoxLayout(this);
    // The page's own contents margins frame it, as on every page.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(grid);
}

void BookletTab::addCustomConstraints() {}

QIcon BookletTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout"));
}

QIcon BookletTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-layout-constraint"));
}

bool BookletTab::isSupported()
{
    return storeHasBoundOption();
}

QList<Tab::DetailRow> BookletTab::detailRows()
{
    return {
        {QStringLiteral("ZVBooklet"), tr("Booklet")},
    };
}
