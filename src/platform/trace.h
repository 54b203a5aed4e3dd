#pragma once
// The trace hook. Every operation hands it its label ("Form1.ProgGo(index:3; tip:0)")
// and a level: 4 for entry traces, 0 for notable events. It does nothing unless a sink
// is installed (tests may install one to watch the order of operations).

#include <functional>
#include <string_view>

namespace vtx {

using TraceSink = std::function<void(std::string_view label, int level)>;

void SetTraceSink(TraceSink sink);
void Trace(std::string_view label, int level = 4);

}  // namespace vtx
