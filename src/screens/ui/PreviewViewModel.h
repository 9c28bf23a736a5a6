#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace pelmo {

// The in-app preview of one item: an image, a PDF's first page, the start of a text file, or
// else its icon and
// facts. Loads off the main thread; `loading` until the content is there.
class PreviewViewModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString path READ path WRITE setPath NOTIFY pathChanged)
    Q_PROPERTY(bool loading READ loading NOTIFY loaded)
    Q_PROPERTY(QString kind READ kind NOTIFY loaded)
    Q_PROPERTY(QString text READ text NOTIFY loaded)
    Q_PROPERTY(QString imageUrl READ imageUrl NOTIFY loaded)
    Q_PROPERTY(QString iconName READ iconName NOTIFY loaded)
    Q_PROPERTY(QString facts READ facts NOTIFY loaded)

public:
    using QObject::QObject;

    [[nodiscard]] QString path() const { return m_path; }
    void setPath(const QString &path);
    [[nodiscard]] bool loading() const { return m_loading; }
    // "image", "pdf" (its first page), "text" or "other".
    [[nodiscard]] QString kind() const { return m_kind; }
    [[nodiscard]] QString text() const { return m_text; }
    // What the window's image source is for an image or a PDF's first page.
    [[nodiscard]] QString imageUrl() const;
    // The id under which the window's PDF page provider gets a path, and back.
    [[nodiscard]] static QString pdfPageId(const QString &path);
    [[nodiscard]] static QString pathOfPdfPageId(const QString &id);
    [[nodiscard]] QString iconName() const { return m_iconName; }
    [[nodiscard]] QString facts() const { return m_facts; }

Q_SIGNALS:
    void pathChanged();
    void loaded();

private:
    QString m_path;
    bool m_loading = false;
    QString m_kind;
    QString m_text;
    QString m_iconName;
    QString m_facts;
    quint64 m_generation = 0;
};

} // namespace pelmo
