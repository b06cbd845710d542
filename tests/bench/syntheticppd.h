#pragma once

#include <QByteArray>

class QTemporaryFile;

// A large PPD of the maker: many options, thousands of UIConstraints and
// many cupsUIConstraints, for timing the import and the constraint pass.
struct SyntheticPpdSize
{
    int options = 400;
    int choicesPerOption = 6;
    int constraints = 4000;
    int groupConstraints = 300;
};

QByteArray syntheticPpd(const SyntheticPpdSize &size = SyntheticPpdSize());

// Writes the synthetic PPD into file (opened here, closed afterwards); false
// when it could not be written.
bool writeSyntheticPpd(QTemporaryFile &file, const SyntheticPpdSize &size = SyntheticPpdSize());
