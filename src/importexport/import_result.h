#pragma once
// What an import reports to its caller: whether the reader took the file, how many records it
// wrote into each table, and how many records of the file were left out: because a table was full, or because
// a channel came before any transponder of its satellite.

namespace vorlane {

struct ImportResult {
    bool accepted = false;
    int satellites = 0;                 // satellite slots written
    int transponders = 0;               // transponder slots written
    int channels = 0;                   // channel slots written
    int recordsNotFitted = 0;           // file records after the import stopped at a full table
    int channelsWithoutTransponder = 0; // channel records before any transponder of their satellite
};

} // namespace vorlane
