#pragma once

#include <QByteArray>

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
