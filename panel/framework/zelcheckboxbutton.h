#pragma once

#include <QFrame>
#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

class QCheckBox;
class QGridLayout;
class QPushButton;

// One icon button with a small check box over its lower-left corner, for an
// option that can be switched off. While unchecked, its dependents (the combo
// box with the option's other choices, captions) are disabled. Each dependent
// carries a value: for a combo box the item text the unchecked state stands
// for, "no_default" for one that stands for no item of its own.
// The value of a dependent that stands for no item of its own.
inline const QString noDefault = QStringLiteral("no_default");

class ZelCheckBoxButton : public QFrame
{
    Q_OBJECT

public:
    ZelCheckBoxButton(QWidget *parent, const QString &text, const QIcon &icon);
    ~ZelCheckBoxButton() override;

    void addDependent(QWidget *widget, const QString &value);
    QList<QWidget *> dependents() const { return m_dependents; }
    QString dependentValue(QWidget *widget) const;
    void setChecked(bool checked);
    bool isChecked() const;
    void initDependents();

    QPushButton *iconButton() const { return m_iconButton; }
    QCheckBox *checkBox() const { return m_checkBox; }

public slots:
    void set_enabled(bool toggle);
    void emit_toggled();
    void fire_signals();

signals:
    void toggled(bool state);
    void toggled(int state);

private:
    QPushButton *m_iconButton;
    QCheckBox *m_checkBox;
    QGridLayout *m_layout;
    QList<QWidget *> m_dependents;
    QStringList m_dependentValues;
};
