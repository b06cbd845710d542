#pragma once

#include <cups/ppd.h>

class OptionStore;

// The program's own rules that come with the options it makes; the import
// calls them right after making those options.
void copyFinishingRules(ppd_file_t *ppd, OptionStore *store);
void addCoverRules(OptionStore *store);
void addJobRule(OptionStore *store);
void addBuiltinGroupConstraints(OptionStore *store);
