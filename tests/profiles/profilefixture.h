#pragma once

// Shared by the profile tests: temporary folders for userDataDir, the model
// PPDs and the installed queues' PPDs, files written into them by hand, and
// the real pages of the main dialog in its order, for the collector.

#include "booklettab.h"
#include "finishingtab.h"
#include "fixturestore.h"
#include "generaltab.h"
#include "imagingtab.h"
#include "jobtab.h"
#include "optioncollector.h"
#include "optionstore.h"
#include "profilefiles.h"
#include "publishingtab.h"
#include "sessionstate.h"
#include "tpxtab.h"
#include "watermarktab.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace profilefixture {

using fixturestore::fixturePath;

// The three folders the profile dialogs use, each a fresh temporary one for
// the life of this object.
class Folders
{
public:
    Folders()
    {
        if (!data.isValid() || !models.isValid() || !queues.isValid())
            qFatal("cannot make the temporary folders");
        userDataDir = data.path() + QLatin1Char('/');
        ProfileFiles::modelPpdFolder = models.path() + QLatin1Char('/');
        ProfileFiles::queuePpdFolder = queues.path();
    }
    ~Folders()
    {
        userDataDir.clear();
        activeSettingsPath.clear();
    }

    QString dataPath(const QString &name) const { return data.filePath(name); }

    // A file in userDataDir with these lines, each ended by a line feed.
    void write(const QString &name, const QStringList &lines) const
    {
        QFile file(data.filePath(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(name));
        for (const QString &line : lines)
            file.write(line.toUtf8() + '\n');
    }
    // A profile as the save dialog writes it, for the model of the fixture PPD.
    void writeProfile(const QString &name, const QString &description, const QStringList &settings,
                      const QString &model = QStringLiteral("Quorvan Studio 7000")) const
    {
        write(name + QStringLiteral(".cfg"),
              QStringList{QStringLiteral("[Profile]"), QLatin1Char('[') + model + QLatin1Char(']'),
                          QStringLiteral("ProfileDescription=") + description}
                  + settings);
    }
    QByteArray bytes(const QString &name) const
    {
        QFile file(data.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // The fixture PPD as a model PPD under the name the details derive.
    void addModelPpd(const QString &fixture, const QString &fileName) const
    {
        if (!QFile::copy(fixturePath(fixture), models.filePath(fileName)))
            qFatal("cannot copy %s", qPrintable(fixture));
    }
    void addQueuePpd(const QString &fileName) const
    {
        QFile file(queues.filePath(fileName));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(fileName));
    }
    // Every entry of userDataDir, hidden ones included, sorted.
    QStringList entries() const
    {
        return QDir(data.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }

    QTemporaryDir data;
    QTemporaryDir models;
    QTemporaryDir queues;
};

// The main dialog's pages but the printer page, built without a dialog, and
// a collector over them.
class Pages
{
public:
    Pages()
    {
        list << new GeneralTab << new BookletTab << new FinishingTab << new ImagingTab << new PublishingTab
             << new JobTab << new WatermarkTab << new TPXTab;
        collector.setTabs(&list);
    }
    ~Pages() { qDeleteAll(list); }
    void reload()
    {
        for (Tab *page : qAsConst(list)) {
            if (page->isSupported())
                page->reload();
        }
    }
    GeneralTab *basic() const { return static_cast<GeneralTab *>(list.first()); }

    QList<Tab *> list;
    OptionCollector collector;
};

// The tree as "group" lines and "  label: value" lines, in tree order.
inline QStringList treeLines(const QTreeWidget *tree)
{
    QStringList lines;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *group = tree->topLevelItem(i);
        lines << group->text(0);
        for (int j = 0; j < group->childCount(); ++j)
            lines << QStringLiteral("  ") + group->child(j)->text(0) + QStringLiteral(": ") + group->child(j)->text(1);
    }
    return lines;
}
}
