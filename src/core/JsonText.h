#pragma once

#include <QString>

namespace pelmo::JsonText {

// A JSON string literal. Escaped path bytes (U+DC80...U+DCFF without a high surrogate)
// are written as "\udcXX", the surrogate-escape form that Python's os.fsencode and our
// PathBytes both turn back into the original byte, so odd names survive the round trip.
[[nodiscard]] QString quoted(QStringView text);

} // namespace pelmo::JsonText
