#include "syntheticppd.h"

#include <QRandomGenerator>
#include <QTemporaryFile>

namespace {

// Keywords the program knows, so its own options and rules come into play.
const char *const knownOptions[] = {
    "PageSize", "Duplex", "MediaType", "ColorModel", "Coll", "Thft", "InputSlot", "OutputBin",
    "ZVBooklet", "FldA", "Pnch", "Stpl", "CvrM", "ZVCollate1", "ZqManagment", "ZVSuperWatermark",
    "Option17", "Option8", "Option18", "Option22", "Resolution", "Rotate", "Sep",
};

QByteArray keywordOf(int index)
{
    const int known = int(sizeof(knownOptions) / sizeof(knownOptions[0]));
    return index < known ? QByteArray(knownOptions[index]) : "Opt" + QByteArray::number(index);
}

QByteArray choiceOf(int option, int choice)
{
    const QByteArray keyword = keywordOf(option);
    if (choice == 0)
        return keyword == "Coll" ? "True" : "None";
    if (keyword == "Coll" || keyword == "ZqManagment" || keyword == "ZVSuperWatermark"
        || keyword.startsWith("Option"))
        return choice == 1 ? "False" : "True";
    if (keyword == "MediaType" && choice == 1)
        return "Transparency";
    if (keyword == "FldA" && choice == 1)
        return "Bifold";
    if (keyword == "FldA" && choice == 2)
        return "Trifold";
    return "C" + QByteArray::number(choice);
}

int choiceCount(int option, int perOption)
{
    const QByteArray keyword = keywordOf(option);
    if (keyword == "Coll" || keyword == "ZqManagment" || keyword == "ZVSuperWatermark"
        || keyword.startsWith("Option"))
        return 3;
    return perOption;
}

} // namespace

QByteArray syntheticPpd(const SyntheticPpdSize &size)
{
    QRandomGenerator random(20261210);
    QByteArray out;
    out += "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n"
           "*LanguageVersion: English\n*LanguageEncoding: ISOLatin1\n"
           "*PCFileName: \"QBENCH.PPD\"\n*Manufacturer: \"Quorvan\"\n"
           "*ModelName: \"Quorvan Benchmark\"\n*NickName: \"Quorvan Benchmark\"\n"
           "*1284DeviceID: \"MFG:ZENT;MDL:Benchmark;\"\n"
           "*cupsFilter: \"application/vnd.cups-postscript 0 zelfilter_F\"\n"
           "*SupportsUserLogin: True\n*SupportsPrivatePrint: True\n*SupportsCustomBox: True\n";

    const int perGroup = 40;
    for (int o = 0; o < size.options; ++o) {
        if (o % perGroup == 0)
            out += "*OpenGroup: G" + QByteArray::number(o / perGroup) + "/Group " + QByteArray::number(o / perGroup) + "\n";
        const QByteArray keyword = keywordOf(o);
        out += "*OpenUI *" + keyword + "/Option " + keyword + ": PickOne\n";
        out += "*Default" + keyword + ": " + choiceOf(o, 0) + "\n";
        for (int c = 0; c < choiceCount(o, size.choicesPerOption); ++c)
            out += "*" + keyword + " " + choiceOf(o, c) + "/Choice " + QByteArray::number(c) + ": \"\"\n";
        out += "*CloseUI: *" + keyword + "\n";
        if (o % perGroup == perGroup - 1 || o == size.options - 1)
            out += "*CloseGroup: G" + QByteArray::number(o / perGroup) + "\n";
    }

    auto member = [&]() {
        const int option = int(random.bounded(size.options));
        const int choice = int(random.bounded(choiceCount(option, size.choicesPerOption)));
        return keywordOf(option) + " " + choiceOf(option, choice);
    };
    for (int i = 0; i < size.constraints; ++i)
        out += "*UIConstraints: *" + member() + " *" + member() + "\n";
    for (int i = 0; i < size.groupConstraints; ++i)
        out += "*cupsUIConstraints g" + QByteArray::number(i) + ": \"*" + member() + " *" + member()
               + " *" + member() + "\"\n";
    return out;
}

bool writeSyntheticPpd(QTemporaryFile &file, const SyntheticPpdSize &size)
{
    if (!file.open())
        return false;
    const QByteArray text = syntheticPpd(size);
    const bool written = file.write(text) == text.size();
    file.close();
    return written;
}
