// The diagnostic commands: the read/write test over the fixed list of
// television files, and the synthetic cable PTC table.
#pragma once

#include <array>
#include <string>

#include "LogSink.h"

namespace tarno {

inline constexpr std::array<const char*, 14> ReadWriteTestFiles = {
    "CloneInfo",         "FineTune_Digital", "Map-AirA",          "Map-CableD",
    "Map-ChKey",         "Map-SateD",        "PackageDataBase.dat", "PtcCable",
    "RadioMap",          "SatDataBase.dat",  "ServiceProviders",  "TransponderDataBase.dat",
    "TSIDList",          "UserTransponderDataBase.dat"};

// Loads each listed file from extractFolder (ending in '/') and writes it back as
// name + ".OUT"; returns the number of failed files. Errors raised by a file
// (missing, size mismatch) end the test and pass on to the caller.
int RunReadWriteTest(const std::string& iniFileName, const std::string& extractFolder, bool regenerateChecksums,
                     const LogSink& log);

// Writes the 768-record cable PTC table to path, replacing any file.
void GeneratePtcCableFile(const std::string& path, const LogSink& log);

}  // namespace tarno
