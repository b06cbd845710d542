// Times ppdOpenFile alone and importPpd on the opened file, on a large
// synthetic PPD. Run by hand: build/tests/bench/bench_import [rounds]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTextStream>

#include <cups/ppd.h>

#include "optionstore.h"
#include "ppdimport.h"
#include "syntheticppd.h"

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 20;
    QTextStream out(stdout);

    QTemporaryFile file;
    if (!file.open()) {
        out << "cannot write the synthetic PPD\n";
        return 1;
    }
    const SyntheticPpdSize size;
    file.write(syntheticPpd(size));
    file.close();
    const QByteArray path = QFile::encodeName(file.fileName());

    qint64 openNs = 0, importNs = 0;
    int options = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        ppd_file_t *ppd = ppdOpenFile(path.constData());
        openNs += timer.nsecsElapsed();
        if (!ppd) {
            out << "libcups could not open the synthetic PPD\n";
            return 1;
        }
        OptionStore store;
        timer.restart();
        importPpd(ppd, &store);
        importNs += timer.nsecsElapsed();
        options = store.options().size();
        ppdClose(ppd);
    }

    const double openMs = openNs / 1e6 / rounds;
    const double importMs = importNs / 1e6 / rounds;
    out << "synthetic PPD: " << size.options << " options, " << size.constraints
        << " UIConstraints, " << size.groupConstraints << " cupsUIConstraints; store holds "
        << options << " options\n";
    out << QString("ppdOpenFile: %1 ms   importPpd: %2 ms   import/open: %3  (mean of %4 rounds)\n")
               .arg(openMs, 0, 'f', 3).arg(importMs, 0, 'f', 3).arg(importMs / openMs, 0, 'f', 3).arg(rounds);
    return 0;
}
