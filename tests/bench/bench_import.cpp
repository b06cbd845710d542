// Times ppdOpenFile alone and importPpd on the opened file, on a large
// synthetic PPD. Run by hand: build/tests/bench/bench_import [rounds]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryFile>
#include <QTextStream>
#include <QVector>

#include <algorithm>

#include <cups/ppd.h>

#include "optionstore.h"
#include "ppdimport.h"
#include "syntheticppd.h"

static double median(QVector<qint64> values)
{
    std::sort(values.begin(), values.end());
    const int n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? qMax(1, atoi(argv[1])) : 20;
    QTextStream out(stdout);

    QTemporaryFile file;
    const SyntheticPpdSize size;
    if (!writeSyntheticPpd(file, size)) {
        out << "cannot write the synthetic PPD\n";
        return 1;
    }
    const QByteArray path = QFile::encodeName(file.fileName());

    // Medians: other builds on the machine make single rounds noisy.
    QVector<qint64> openNs, importNs;
    int options = 0;
    for (int round = 0; round < rounds; ++round) {
        QElapsedTimer timer;
        timer.start();
        ppd_file_t *ppd = ppdOpenFile(path.constData());
        openNs.append(timer.nsecsElapsed());
        if (!ppd) {
            out << "libcups could not open the synthetic PPD\n";
            return 1;
        }
        OptionStore store;
        timer.restart();
        importPpd(ppd, &store);
        importNs.append(timer.nsecsElapsed());
        options = store.options().size();
        ppdClose(ppd);
    }

    const double openMs = median(openNs) / 1e6;
    const double importMs = median(importNs) / 1e6;
    out << "synthetic PPD: " << size.options << " options, " << size.constraints
        << " UIConstraints, " << size.groupConstraints << " cupsUIConstraints; store holds "
        << options << " options\n";
    const double ratio = importMs / openMs;
    out << QString("ppdOpenFile: %1 ms   importPpd: %2 ms   import/open: %3  (median of %4 rounds)\n")
               .arg(openMs, 0, 'f', 3).arg(importMs, 0, 'f', 3).arg(ratio, 0, 'f', 3).arg(rounds);
    out << (ratio <= 0.5 ? "target met: importPpd costs at most half of ppdOpenFile\n"
                         : "target missed: importPpd costs more than half of ppdOpenFile\n");
    return 0;
}
