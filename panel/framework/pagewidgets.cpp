#include "pagewidgets.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>

#include "comboboxex.h"

QLabel *newCaption(QWidget *parent, const QString &text, const QString &accessibleName)
{
    auto *label = new QLabel(text, parent);
    label->setAccessibleName(accessibleName);
    return label;
}

ComboBoxEx *newComboBox(QWidget *parent, const QString &accessibleName, int width)
{
    auto *combo = new ComboBoxEx;
    combo->setParent(parent);
    combo->setAccessibleName(accessibleName);
    // The items come with the printer, after the first showing: a box sized
    // once would cut a longer choice text.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    if (width > 0)
        combo->setMinimumWidth(width);
    return combo;
}

QFrame *newLine(QFrame::Shape shape)
{
    auto *line = new QFrame;
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Plain);
    return line;
}

QHBoxLayout *newTwoColumnLayout(QWidget *page, QLayout *left, QLayout *right)
{
    auto *layout = new QHBoxLayout(page);
    // The page's own contents margins frame it; the two columns need every
    // pixel of the fixed-size dialog's width for their texts.
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(left, 0);
    layout->addWidget(newLine(QFrame::VLine), 1);
    layout->addLayout(right, 0);
    return layout;
}

QString redLabelStyle(const QWidget *page)
{
    const QPalette palette = QApplication::palette();
    const QString background = palette.brush(palette.currentColorGroup(), page->backgroundRole()).color().name();
    return QStringLiteral("QLabel{color: red; font-family: Sans; font-size: 12px; border-width: 1px; "
                          "border-color: %1; border-style: solid}")
        .arg(background);
}
