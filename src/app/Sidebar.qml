pragma ComponentBehavior: Bound
import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import Pelmo
import Pelmo.ViewModels

// The sections of the window and the disk gauge. It takes the keyboard focus as one control:
// the arrow keys, Home and End walk the sections, Ctrl+1… pick one.
T.Control {
    id: sidebar
    objectName: "sidebar"
    // The shown section: "overview", a category's raw value or another section's name.
    required property string section
    signal chosen(string section)

    // The sections in their order.
    readonly property var sections: ["overview", "caches", "logs", "developer", "leftovers", "installers",
        "duplicates", "largeFiles", "uninstall", "diskMap", "trash", "history", "settings", "about"]
    function step(by) {
        const next = sections.indexOf(section) + by
        if (next >= 0 && next < sections.length)
            chosen(sections[next])
    }

    focusPolicy: Qt.StrongFocus
    padding: 10
    Accessible.role: Accessible.PageTabList
    Accessible.name: qsTranslate("Pelmo", "Sekce")
    Keys.onUpPressed: step(-1)
    Keys.onDownPressed: step(1)
    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Home)
            chosen(sections[0])
        else if (event.key === Qt.Key_End)
            chosen(sections[sections.length - 1])
        else
            { event.accepted = false; return }
        event.accepted = true
    }
    background: Rectangle { color: Theme.sidebar }

    Repeater {
        model: 9
        delegate: Item {
            id: pick
            required property int index
            Shortcut {
                sequence: "Ctrl+" + (pick.index + 1)
                onActivated: sidebar.chosen(sidebar.sections[pick.index])
            }
        }
    }
    Shortcut { sequence: "Ctrl+,"; onActivated: sidebar.chosen("settings") }

    contentItem: ColumnLayout {
        spacing: 2

        SidebarRow {
            title: qsTranslate("Pelmo", "Přehled")
            symbol: "gauge.with.dots.needle.50percent"
            selected: sidebar.section === "overview"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("overview")
        }
        SectionHeading { text: qsTranslate("Pelmo", "Čištění") }
        Repeater {
            model: AppState.categories
            delegate: SidebarRow {
                id: categoryRow
                required property var model
                title: categoryRow.model.title
                symbol: categoryRow.model.symbol
                accent: categoryRow.model.accent
                trailing: categoryRow.model.total >= 1 ? categoryRow.model.totalText : ""
                selected: sidebar.section === categoryRow.model.raw
                focusShown: selected && sidebar.visualFocus
                onClicked: sidebar.chosen(categoryRow.model.raw)
            }
        }
        SectionHeading { text: qsTranslate("Pelmo", "Nástroje") }
        SidebarRow {
            title: qsTranslate("Pelmo", "Odinstalace aplikací")
            symbol: "trash.square"
            accent: "#e5484d"
            selected: sidebar.section === "uninstall"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("uninstall")
        }
        SidebarRow {
            title: qsTranslate("Pelmo", "Mapa disku")
            symbol: "square.grid.3x3.fill"
            selected: sidebar.section === "diskMap"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("diskMap")
        }
        SidebarRow {
            title: qsTranslate("Pelmo", "Koš")
            symbol: "trash"
            accent: Theme.neutral
            selected: sidebar.section === "trash"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("trash")
        }
        SidebarRow {
            title: qsTranslate("Pelmo", "Historie")
            symbol: "clock.arrow.circlepath"
            selected: sidebar.section === "history"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("history")
        }
        SidebarRow {
            Layout.topMargin: 10
            title: qsTranslate("Pelmo", "Nastavení")
            symbol: "gearshape"
            accent: Theme.neutral
            selected: sidebar.section === "settings"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("settings")
        }
        SidebarRow {
            title: qsTranslate("Pelmo", "O aplikaci")
            symbol: "info.circle"
            accent: Theme.neutral
            selected: sidebar.section === "about"
            focusShown: selected && sidebar.visualFocus
            onClicked: sidebar.chosen("about")
        }
        Item { Layout.fillHeight: true }
        DiskMini { Layout.fillWidth: true }
    }
}
