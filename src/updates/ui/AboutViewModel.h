#pragma once

#include <QObject>
#include <QPointer>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

class UpdateChecker;

// The about screen and the new-version alert over the program's update checker (the shared
// one unless another is set): the version, the built-in release notes, the state of the
// last check and the maker's links. A link whose address the build does not name is not
// offered.
class AboutViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString versionText READ versionText CONSTANT)
    Q_PROPERTY(QVariantList releaseNotes READ releaseNotes CONSTANT)
    Q_PROPERTY(QString updatesText READ updatesText CONSTANT)
    Q_PROPERTY(bool autoCheck READ autoCheck WRITE setAutoCheck NOTIFY changed)
    Q_PROPERTY(bool hasAvailable READ hasAvailable NOTIFY changed)
    Q_PROPERTY(QString availableText READ availableText NOTIFY changed)
    Q_PROPERTY(QString notes READ notes NOTIFY changed)
    Q_PROPERTY(QString status READ status NOTIFY changed)
    Q_PROPERTY(QString alertTitle READ alertTitle NOTIFY changed)
    Q_PROPERTY(QString alertText READ alertText NOTIFY changed)
    Q_PROPERTY(bool hasSupport READ hasSupport CONSTANT)
    Q_PROPERTY(bool hasDonate READ hasDonate CONSTANT)
    Q_PROPERTY(bool hasWeb READ hasWeb CONSTANT)

public:
    explicit AboutViewModel(QObject *parent = nullptr);

    void setChecker(UpdateChecker *checker);

    [[nodiscard]] QString versionText() const;
    // Each entry {version: "Verze 1.0", items: [...]}, newest first, translated.
    [[nodiscard]] QVariantList releaseNotes() const;
    // Where new versions come from; empty when the build names no site.
    [[nodiscard]] QString updatesText() const;
    [[nodiscard]] bool autoCheck() const;
    void setAutoCheck(bool on);
    [[nodiscard]] bool hasAvailable() const;
    [[nodiscard]] QString availableText() const;
    [[nodiscard]] QString notes() const;
    // "idle", "checking", "upToDate" or "failed".
    [[nodiscard]] QString status() const;
    [[nodiscard]] QString alertTitle() const;
    // The notes, else where the new version can be downloaded.
    [[nodiscard]] QString alertText() const;
    [[nodiscard]] bool hasSupport() const;
    [[nodiscard]] bool hasDonate() const;
    [[nodiscard]] bool hasWeb() const;

    Q_INVOKABLE void check();
    Q_INVOKABLE void openDownload();
    Q_INVOKABLE void openSupport();
    Q_INVOKABLE void openDonate();
    Q_INVOKABLE void openWeb();

Q_SIGNALS:
    void changed();
    // Show the alert now.
    void announcement();

private:
    QPointer<UpdateChecker> m_checker;
};

} // namespace pelmo
