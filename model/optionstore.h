#pragma once

#include <QHash>
#include <QList>
#include <QPair>
#include <QString>

class kOption;

// The options of one PPD, keyed by keyword. Owns its options.
class OptionStore
{
public:
    OptionStore() = default;
    ~OptionStore();
    OptionStore(const OptionStore &) = delete;
    OptionStore &operator=(const OptionStore &) = delete;

    void setPrinterName(const QString &name) { m_printerName = name; }
    QString printerName() const { return m_printerName; }
    void setModelName(const QString &name) { m_modelName = name; }
    QString modelName() const { return m_modelName; }
    void setRasterOrPdfFilter(bool flag) { m_rasterOrPdfFilter = flag; }
    bool hasRasterOrPdfFilter() const { return m_rasterOrPdfFilter; }

    void addOption(kOption *option);
    kOption *option(const QString &keyword) const { return m_options.value(keyword, nullptr); }
    QList<kOption *> options() const { return m_options.values(); }
    void setLevel(const QString &keyword, int level);
    void selectChoice(const QString &keyword, const QString &choiceName);
    QList<kOption *> installedOptions() const;
    void clearAllMarks();

    void addConstraint(const QString &keyword1, const QString &choice1,
                       const QString &keyword2, const QString &choice2);
    void addGroupConstraint(const QList<QPair<QString, QString>> &members);

private:
    bool m_rasterOrPdfFilter = false;
    QString m_printerName;
    QString m_modelName;
    QHash<QString, kOption *> m_options;
    // Options replaced under their keyword: rules of other choices may still
    // point at them, so they live as long as the store.
    QList<kOption *> m_replaced;
};

// The store of the selected printer; none while no printer is selected.
extern OptionStore *currentOptionStore;
