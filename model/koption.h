#pragma once

#include <QList>
#include <QString>

class kChoice;

// One printer option: read from the PPD or made by the program. Owns its choices.
class kOption
{
public:
    kOption(const QString &keyword, const QString &text);
    ~kOption();
    kOption(const kOption &) = delete;
    kOption &operator=(const kOption &) = delete;

    bool isValid() const;
    QString keyword() const { return m_keyword; }
    QString text() const { return m_text; }

    bool isFromPpd() const { return m_fromPpd; }
    void setFromPpd(bool fromPpd) { m_fromPpd = fromPpd; }
    int level() const { return m_level; }
    void setLevel(int level) { m_level = level; }

    void addChoice(const QString &name, const QString &text);
    QList<kChoice *> choices() const { return m_choices; }
    int choiceCount() const { return m_choices.size(); }
    kChoice *choiceByName(const QString &name) const;
    kChoice *choiceByText(const QString &text) const;
    bool hasChoice(const QString &name) const;

    void setDefault(kChoice *choice);
    kChoice *defaultChoice() const { return m_default; }
    QString defaultName() const;

    kChoice *markedChoice() const { return m_marked; }
    void select(kChoice *choice);

private:
    bool m_fromPpd = false;
    QString m_keyword;
    QString m_text;
    QList<kChoice *> m_choices;
    kChoice *m_marked = nullptr;
    kChoice *m_default = nullptr;
    int m_level = 99;
};
