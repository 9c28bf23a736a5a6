#include "CommandSupport.h"

#include "core/Localization.h"
#include "core/PathBytes.h"
#include "platform/Preferences.h"
#include "platform/UserAccount.h"

#include <QDir>

#include <climits>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace pelmo::CommandSupport {

QStringList decodeArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(PathBytes::fromBytes(argv[i]));
    return arguments;
}

QString absolutePath(const QString &path)
{
    QString absolute = path;
    if (!path.startsWith(QLatin1Char('/'))) {
        std::string cwd(PATH_MAX, '\0');
        if (::getcwd(cwd.data(), cwd.size()))
            absolute = PathBytes::fromBytes(cwd.c_str()) + u'/' + path;
    }
    return QDir::cleanPath(absolute);
}

bool isReadableFolder(const QString &path)
{
    const std::string bytes = PathBytes::toBytes(path);
    struct stat st
    {
    };
    return ::stat(bytes.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && ::access(bytes.c_str(), R_OK | X_OK) == 0;
}

QString homeFolder(const std::optional<QString> &option, QString &problem)
{
    if (option) {
        const QString home = absolutePath(*option);
        if (option->isEmpty() || !isReadableFolder(home))
            problem = Localization::format(Localization::tr("Složka %@ neexistuje nebo ji nelze číst"),
                {option->isEmpty() ? QStringLiteral("\"\"") : PathBytes::display(*option)});
        return home;
    }
    const QString granted = Preferences().grantedHomeFolder();
    return granted.isEmpty() ? UserAccount::homeFolder() : granted;
}

bool canAsk()
{
    return ::isatty(STDIN_FILENO) == 1;
}

bool confirm(const QString &question)
{
    if (!canAsk())
        return false;
    write(stdout, question + QStringLiteral(" [a/N] "));
    std::string answer;
    for (int c = std::getchar(); c != EOF && c != '\n'; c = std::getchar())
        answer.push_back(static_cast<char>(c));
    const QString text = QString::fromStdString(answer).trimmed().toLower();
    return text == QLatin1StringView("a") || text == QLatin1StringView("ano") || text == QLatin1StringView("y")
        || text == QLatin1StringView("yes");
}

std::optional<qint64> parseMegabytes(const QString &text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    // The byte count must fit too: the setting is multiplied by 1 000 000.
    if (!ok || value < 0 || value > LLONG_MAX / 1'000'000 || text.startsWith(u'+'))
        return std::nullopt;
    return value;
}

void write(std::FILE *stream, const QString &text)
{
    const std::string bytes = PathBytes::toBytes(text);
    // Failures stay in the stream's error flag; runCommand turns them into an exit status.
    (void)std::fwrite(bytes.data(), 1, bytes.size(), stream);
    (void)std::fflush(stream);
}

} // namespace pelmo::CommandSupport
