#pragma once

#include <QColor>
#include <QFrame>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractButton;
class QButtonGroup;
class QGridLayout;
class QLabel;
class QPushButton;

// A caption line over one row of checkable icon buttons of which one is
// checked. Each button's accessible name is the translated text of the choice
// it stands for; the checked one shows the "-selected" twin of its icon.
// Positions count from 0 in the order the buttons were added; a position
// outside the list is ignored.
class ZelButtonGroup : public QFrame
{
    Q_OBJECT

public:
    ZelButtonGroup(QWidget *parent, const QString &caption);
    ~ZelButtonGroup() override;

    void addButton(const QString &name, const QString &iconPath);
    void select(const QString &name);
    QString checkedName() const;
    int checkedIndex() const;
    QStringList buttonNames() const;
    QPushButton *button(int position) const;
    int count() const { return m_buttons.size(); }

    void setCaptionEnabled(bool enabled);
    void setError(const QString &message);
    void clearError();
    void setErrorIcon(bool on);

    QLabel *captionLabel() const { return m_captionLabel; }
    QString caption() const { return m_caption; }
    QString iconPath(int position) const { return m_iconPaths.value(position); }
    // The resource path of the icon the button shows now.
    QString shownIconPath(int position) const;

public slots:
    virtual void setEnabled(bool enabled);
    virtual void setButton(int button_index);
    virtual void setButton(QAbstractButton *button);
    void enableButton(QAbstractButton *button, bool enabled);
    void enableButton(int index, bool enabled);
    void constructLabel();
    void emit_buttonClicked(QAbstractButton *button);

signals:
    void buttonClicked(int index);
    void buttonClicked(QAbstractButton *button);

private:
    void showIcon(int position, const QString &path);

    QGridLayout *m_layout;
    QButtonGroup *m_group;
    QList<QPushButton *> m_buttons;
    QStringList m_iconPaths;
    QLabel *m_captionLabel;
    QString m_caption;
    int m_nextColumn = 0;
    QColor m_captionColour;
};
