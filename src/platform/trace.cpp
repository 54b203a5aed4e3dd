#include "platform/trace.h"

#include <utility>

namespace vtx {
namespace {
TraceSink& Sink() {
    static TraceSink sink;
    return sink;
}
}  // namespace

void SetTraceSink(TraceSink sink) { Sink() = std::move(sink); }

void Trace(std::string_view label, int level) {
    if (auto& sink = Sink()) sink(label, level);
}

}  // namespace vtx
