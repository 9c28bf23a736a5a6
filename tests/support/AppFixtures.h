#pragma once

#include "FakeHome.h"

#include <QByteArray>
#include <QString>

#include <string>

// Applications made on a fake home: bundles with an Info.plist, AppImages with or without
// the user's desktop entry, and a user Flatpak installation's tree.
namespace pelmo::test {

struct BundleKeys
{
    QByteArray identifier;
    QByteArray name;        // CFBundleName, none when empty
    QByteArray displayName; // CFBundleDisplayName, none when empty
    QByteArray version;
};

inline QByteArray xmlPlist(const BundleKeys &keys)
{
    QByteArray body;
    const auto add = [&](const char *key, const QByteArray &value) {
        if (!value.isEmpty())
            body += "<key>" + QByteArray(key) + "</key><string>" + value + "</string>\n";
    };
    add("CFBundleIdentifier", keys.identifier);
    add("CFBundleName", keys.name);
    add("CFBundleDisplayName", keys.displayName);
    add("CFBundleShortVersionString", keys.version);
    add("CFBundleExecutable", "main");
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>\n" + body + "</dict></plist>\n";
}

// A bundle at `relative` (under home) with a main program of `size` bytes.
inline void makeBundle(const FakeHome &fake, const std::string &relative, const BundleKeys &keys, qint64 size = 8192)
{
    fake.writeBytes(relative + "/Contents/Info.plist", xmlPlist(keys));
    fake.writeFile(relative + "/Contents/MacOS/main", size);
}

inline void makeDesktopEntry(const FakeHome &fake, const std::string &fileName, const QByteArray &body)
{
    fake.writeBytes(".local/share/applications/" + fileName, "[Desktop Entry]\nType=Application\n" + body);
}

// A Flatpak of the user with its exported desktop entry and metainfo release.
inline void makeFlatpak(const FakeHome &fake, const std::string &id, const QByteArray &name, const QByteArray &version)
{
    const std::string active = ".local/share/flatpak/app/" + id + "/x86_64/stable/abc/";
    fake.writeBytes(active + "metadata", "[Application]\nname=" + QByteArray::fromStdString(id) + "\ncommand=run\n");
    fake.writeFile(active + "files/bin/run", 20000);
    fake.writeBytes(active + "files/share/metainfo/" + id + ".metainfo.xml",
        "<component><releases><release version=\"" + version + "\" date=\"2026-01-01\"/></releases></component>");
    fake.symlink("abc", ".local/share/flatpak/app/" + id + "/x86_64/stable/active");
    fake.symlink("x86_64/stable", ".local/share/flatpak/app/" + id + "/current");
    fake.writeBytes(".local/share/flatpak/exports/share/applications/" + id + ".desktop",
        "[Desktop Entry]\nName=" + name + "\nExec=flatpak run " + QByteArray::fromStdString(id)
            + "\nX-Flatpak=" + QByteArray::fromStdString(id) + "\nIcon=" + QByteArray::fromStdString(id) + "\n");
}

} // namespace pelmo::test
