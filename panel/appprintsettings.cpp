#include "appprintsettings.h"

#include "atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString geditPrintSettings = QStringLiteral("gedit-print-settings");
const QString geditPageSetup = QStringLiteral("gedit-page-setup");
const QString evincePrintSettings = QStringLiteral("evince/print-settings");
const QString eogPrintSettings = QStringLiteral("eog-print-settings.ini");
const QString officeRegistry = QStringLiteral("/user/registrymodifications.xcu");

struct PageSetupRecord
{
    const char *key;
    const char *displayName;
    const char *width;
    const char *height;
    const char *marginTop;
    const char *marginBottom;
    const char *marginLeft;
    const char *marginRight;
};

// Lengths in millimetres, written digit for digit as gedit's own files hold them.
const PageSetupRecord pageSetupRecords[] = {
    {"A3", "A3", "297", "420", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"SRA3", "SRA3", "319.96944444444443", "449.79166666666663", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"A4", "A4", "210", "297", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"A5", "A5", "148", "210", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"A6", "A6", "105", "148", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"B4", "JB4", "257", "364", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"B5", "JB5", "182", "257", "3.5277777777777777", "3.5277777777777777", "7.4083333333333323", "7.4083333333333323"},
    {"ISOB5", "B5", "176", "250", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
    {"B6", "JB6", "128", "182", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"OficioII", "Oficio II", "215.89999999999998", "330.19999999999999", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
    {"Folio", "Folio", "210", "330", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
    {"Statement", "Invoice", "139.69999694824219", "215.89999389648438", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
    {"P8K", "8K", "273.04999999999995", "393.69999999999999", "3.8805555555555551", "4.2333333333333325", "4.2333333333333325", "3.8805555555555551"},
    {"P16K", "16K", "196.84999999999999", "273.04999999999995", "3.8805555555555551", "4.2333333333333325", "4.2333333333333325", "3.8805555555555551"},
    {"OficioMX", "216 x 340 mm", "215.89999999999998", "340.07777777777773", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
    {"P12X18", "12 x 18", "304.79999999999995", "457.19999999999993", "12.699999999999999", "12.699999999999999", "3.8805555555555551", "3.8805555555555551"},
    {"Letter", "US Letter", "215.89999389648438", "279.39999389648438", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"Legal", "US Legal", "215.89999389648438", "355.60000610351562", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"Executive", "Executive", "184.14999389648438", "266.70001220703125", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"Tabloid", "Ledger 11x17", "279.39999999999998", "431.79999999999995", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"EnvPersonal", "Personal Envelope", "92.074996948242188", "165.10000610351562", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"Env9", "#9 Envelope", "98.425003051757812", "225.42500305175781", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"Env10", "#10 Envelope", "104.77500152587891", "241.30000305175781", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"EnvMonarch", "Monarch Envelope", "98.425003051757812", "190.5", "2.822222222222222", "2.822222222222222", "4.2333333333333325", "4.2333333333333325"},
    {"EnvDL", "DL Envelope", "110", "220", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"EnvC5", "C5", "162", "229", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"EnvC4", "C4", "229", "324", "3.5277777777777777", "3.5277777777777777", "4.2333333333333325", "4.2333333333333325"},
    {"OficioI", "8.5x13.5", "215.89999999999998", "342.89999999999998", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325", "4.2333333333333325"},
};
}

AppPrintSettings::AppPrintSettings(const SettingsSnapshot *chosenOptions)
    : settingsNames({geditPrintSettings, geditPageSetup, evincePrintSettings, eogPrintSettings, officeRegistry})
    , chosenOptions(chosenOptions)
    , pageSetups(pageSetupTable())
    , homeDir(resolveHome())
    , configHome(resolveConfigHome(homeDir))
{
}

QHash<QString, QString> AppPrintSettings::pageSetupTable()
{
    QHash<QString, QString> table;
    buildPageSetupTable(table);
    return table;
}

void AppPrintSettings::buildPageSetupTable(QHash<QString, QString> &table)
{
    for (const PageSetupRecord &record : pageSetupRecords) {
        const QString text = QStringLiteral("[Page Setup]\n")
            + QStringLiteral("PPDName=") + QLatin1String(record.key) + QLatin1Char('\n')
            + QStringLiteral("DisplayName=") + QLatin1String(record.displayName) + QLatin1Char('\n')
            + QStringLiteral("Width=") + QLatin1String(record.width) + QLatin1Char('\n')
            + QStringLiteral("Height=") + QLatin1String(record.height) + QLatin1Char('\n')
            + QStringLiteral("MarginTop=") + QLatin1String(record.marginTop) + QLatin1Char('\n')
            + QStringLiteral("MarginBottom=") + QLatin1String(record.marginBottom) + QLatin1Char('\n')
            + QStringLiteral("MarginLeft=") + QLatin1String(record.marginLeft) + QLatin1Char('\n')
            + QStringLiteral("MarginRight=") + QLatin1String(record.marginRight) + QLatin1Char('\n')
            + QStringLiteral("Orientation=portrait\n");
        table.insert(QLatin1String(record.key), text);
    }
}

QString AppPrintSettings::resolveHome()
{
    QString home = QString::fromUtf8(qgetenv("HOME"));
    if (home.isEmpty()) {
        if (const passwd *entry = getpwuid(getuid()))
            home = QString::fromUtf8(entry->pw_dir);
    }
    return home;
}

QString AppPrintSettings::resolveConfigHome(const QString &home)
{
    const QString xdg = QString::fromUtf8(qgetenv("XDG_CONFIG_HOME"));
    if (QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    // A relative or missing home is no place to change files in.
    if (!QDir::isAbsolutePath(home))
        return QString();
    return QDir::cleanPath(home + QStringLiteral("/.config"));
}

void AppPrintSettings::addIfFile(const QString &name, const QString &path)
{
    if (QFileInfo(path).isFile())
        foundFiles.insert(name, path);
}

void AppPrintSettings::scanHome()
{
    foundFiles.clear();
    if (configHome.isEmpty())
        return;
    const QString base = configHome + QLatin1Char('/');
    addIfFile(geditPrintSettings, base + QStringLiteral("gedit/") + geditPrintSettings);
    addIfFile(geditPageSetup, base + QStringLiteral("gedit/") + geditPageSetup);
    addIfFile(evincePrintSettings, base + evincePrintSettings);
    addIfFile(eogPrintSettings, base + QStringLiteral("eog/") + eogPrintSettings);

    // One registry per LibreOffice profile version ("4", ...).
    const QDir office(base + QStringLiteral("libreoffice"));
    const QStringList profiles = office.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    for (const QString &profile : profiles)
        addIfFile(officeRegistry, office.filePath(profile) + officeRegistry);
}

void AppPrintSettings::apply()
{
    for (auto it = foundFiles.constBegin(); it != foundFiles.constEnd(); ++it) {
        if (it.key() == geditPageSetup)
            writePageSetup(it.value());
        else if (it.key() == officeRegistry)
            disableCollate(it.value());
        else
            removeFile(it.value());
    }
}

void AppPrintSettings::removeFile(const QString &path)
{
    QFile::remove(path);
}

void AppPrintSettings::writePageSetup(const QString &path)
{
    const QString pageSize = chosenOptions ? chosenOptions->value(QStringLiteral("PageSize")) : QString();
    const QString record = pageSetups.value(pageSize);
    // A size gedit has no record for leaves its page setup as it was.
    if (record.isEmpty())
        return;
    writeFileAtomically(path, record.toUtf8());
}

void AppPrintSettings::disableCollate(const QString &path)
{
    QFile registry(path);
    if (!registry.open(QIODevice::ReadOnly))
        return;
    const QByteArray old = registry.readAll();
    registry.close();

    // Byte for byte: only the lines that name the setting change.
    QList<QByteArray> lines = old.split('\n');
    bool changed = false;
    for (QByteArray &line : lines) {
        if (!line.contains("name=\"Collate\"") || !line.contains("true"))
            continue;
        line.replace("true", "false");
        changed = true;
    }
    if (changed)
        writeFileAtomically(path, lines.join('\n'));
}
