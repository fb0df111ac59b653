#pragma once
// The one rule a database must keep before it is written or sent to the receiver: every present channel side
// points at a used transponder and a satellite slot in range, every used transponder names a satellite in range,
// every ordered list agrees with its records (chain, counts, keys, link fields, and the members a build from
// the tables alone would give them), and every favourite group counts exactly its members.

#include "database/integrity_phrase.h"

#include <string>
#include <vector>

namespace vorlane {

class ChannelDatabase;

struct IntegrityProblem {
    IntegrityPhrase record; // the record or list concerned: "channel 12 tuner 1", "transponder 7", "list kind 4 head 0"
    std::string name;       // that record's name bytes as stored (ISO-8859-1); empty for lists and nameless records
    IntegrityPhrase text;   // what is wrong
};

// Every problem found, in table order; empty for a sound database. The database is not touched.
std::vector<IntegrityProblem> CheckIntegrity(const ChannelDatabase& db);

// One problem as a line of text without its line end: `channel 12 tuner 1 "News": ...`; the name bytes as stored.
std::string IntegrityProblemLine(const IntegrityProblem& problem);

} // namespace vorlane
