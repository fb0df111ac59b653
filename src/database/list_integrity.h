#pragma once
// The ordered-list half of the integrity rule: each list against its records, and against a build from the tables.

#include "database/integrity_check.h"

namespace vorlane {

// For every head of every kind: the node chain is intact and its count right; tuner 1's entries come first and
// each side's keys run 0..n-1 in list order; every node names a used, present record of the kind's type, head
// and side, and its link equals the record's link field in the field's width; and each head holds as many
// entries as a build from the tables would put in it. Adds what it finds to `problems`.
void CheckListsAgainstRecords(const ChannelDatabase& db, std::vector<IntegrityProblem>& problems);

} // namespace vorlane
