#pragma once

#include <QFrame>
#include <QString>

class ComboBoxEx;
class QLabel;
class QWidget;

// Small builders the pages share for their captions, combo boxes and rules.
QLabel *newCaption(QWidget *parent, const QString &text, const QString &accessibleName);
// A width of 0 leaves the box's width to the layout.
ComboBoxEx *newComboBox(QWidget *parent, const QString &accessibleName, int width = 0);
QFrame *newLine(QFrame::Shape shape);
// The style of a page's red message label; its 1-pixel border takes the
// page's background colour, so it does not show.
QString redLabelStyle(const QWidget *page);
