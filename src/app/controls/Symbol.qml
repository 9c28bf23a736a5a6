import QtQuick
import Pelmo

// One symbol of the design by its name (the symbol table), in one colour.
Image {
    id: symbol
    property string name
    property color color: Theme.text
    property int size: 16
    width: size
    height: size
    sourceSize.width: size
    sourceSize.height: size
    // The colour travels in the address: "image://symbol/<name>/<rrggbb>".
    source: name.length > 0 ? "image://symbol/" + name + "/" + color.toString().substring(1) : ""
    fillMode: Image.PreserveAspectFit
    smooth: true
    Accessible.ignored: true
}
