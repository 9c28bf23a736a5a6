#pragma once

#include "model/CleanCategory.h"

#include <QString>

#include <array>
#include <string_view>

namespace pelmo {

// The kinds of the disk map; the order is that of the legend's ties and of the colour
// table, and is part of the stored meaning of a raw value.
enum class NodeKind { folder, app, image, video, audio, document, archive, code, other };

inline constexpr std::array<NodeKind, 9> allNodeKinds = {NodeKind::folder, NodeKind::app, NodeKind::image,
    NodeKind::video, NodeKind::audio, NodeKind::document, NodeKind::archive, NodeKind::code, NodeKind::other};

namespace Kind {

// Decided by the last extension of `name` (lower-cased) and whether it is a directory:
// the library packages keep their kind as folders, every other directory is a folder.
[[nodiscard]] NodeKind of(std::string_view name, bool isDirectory);
// Localised through the "Pelmo" string table.
[[nodiscard]] QString title(NodeKind kind);
// "folder", "app", ...: the form of the headless commands' output.
[[nodiscard]] QString rawValue(NodeKind kind);
// The symbol name of the design, for the window's symbol table.
[[nodiscard]] QString symbol(NodeKind kind);
// Shade `variant` (0-2) of the kind's colour: the hue turns a little with each shade and
// the brightness rises with it and with `lift`, clamped to 0-1.
[[nodiscard]] SrgbColor color(NodeKind kind, int variant, double lift);

} // namespace Kind

// An HSB colour (each 0-1; the hue wraps) in sRGB.
[[nodiscard]] SrgbColor fromHsb(double hue, double saturation, double brightness);

} // namespace pelmo
