// Where commands report: one line per call, as the log pane shows it.
#pragma once

#include <functional>
#include <string>

namespace tarno {

using LogSink = std::function<void(const std::string& line)>;

}  // namespace tarno
