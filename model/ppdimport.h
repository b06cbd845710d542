#pragma once

#include <QString>

#include <cups/ppd.h>

class OptionStore;

// Fills an empty store from an open PPD: its top-level options, its own
// constraints, the program's options, levels and rules. Keeps no pointer
// into the PPD, so the caller may close it right after.
void importPpd(ppd_file_t *ppd, OptionStore *store);

// The import's steps, in the order importPpd runs them.
void importPpdFilters(ppd_file_t *ppd, OptionStore *store);
void importPpdOptions(ppd_file_t *ppd, OptionStore *store);
void importPpdConstraints(ppd_file_t *ppd, OptionStore *store);
void markDefaultChoices(OptionStore *store);
void addFinishingOptions(ppd_file_t *ppd, OptionStore *store);
void addCoverOptions(ppd_file_t *ppd, OptionStore *store);
void addJobOptions(ppd_file_t *ppd, OptionStore *store);
void addSuperWatermarkOption(ppd_file_t *ppd, OptionStore *store);
void addTpxOptions(OptionStore *store);
void addBuiltinConstraints(OptionStore *store);
void setOptionLevels(OptionStore *store);
void importGroupConstraints(ppd_file_t *ppd, OptionStore *store);
void addDerivedConstraints(OptionStore *store);

// "Bifold" -> "cBiFld", "Trifold" -> "cTriFld", "Stpl" -> "cStpl",
// "Pnch" -> "cHole"; anything else unchanged.
void finishingKeywordToOption(QString &text);
