#include "imagingtab.h"

#include "zelbuttongroup.h"

ImagingTab::ImagingTab(QWidget *dialog)
    : Tab(dialog)
{
    buildUi();
    connectWidgets();
}

void ImagingTab::setTabName()
{
    pageTitle = tr("Imaging");
}

void ImagingTab::buildUi()
{
    pageTitle = tr("Imaging");
}

QIcon ImagingTab::icon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging"));
}

QIcon ImagingTab::constraintIcon()
{
    return QIcon(QStringLiteral(":/icons/tab-imaging-constraint"));
}

bool ImagingTab::isSupported()
{
    // Not offered until its options are bound.
    return false;
}

void ImagingTab::clearDialogSettings(int selection)
{
    // The adjustment dialogs come with the page's options.
    Q_UNUSED(selection)
}

void ImagingTab::clearDialogSettings()
{
    clearDialogSettings(colorGroup ? colorGroup->checkedIndex() : 0);
}
