#pragma once

#include <QFrame>
#include <QString>

class ComboBoxEx;
class QHBoxLayout;
class QLabel;
class QLayout;
class QWidget;

// Small builders the pages share for their captions, combo boxes and rules.
QLabel *newCaption(QWidget *parent, const QString &text, const QString &accessibleName);
// The box follows its widest item, whatever the printer fills in later, and
// is never narrower than width.
ComboBoxEx *newComboBox(QWidget *parent, const QString &accessibleName, int width = 0);
QFrame *newLine(QFrame::Shape shape);
// The page's layout of two columns with a vertical line between them.
QHBoxLayout *newTwoColumnLayout(QWidget *page, QLayout *left, QLayout *right);
// The style of a page's red message label; its 1-pixel border takes the
// page's background colour, so it does not show.
QString redLabelStyle(const QWidget *page);
