#include "core/PathBytes.h"

namespace pelmo::PathBytes {
namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// Length of the well-formed UTF-8 sequence at the start of `s`, or 0 when the first
// byte does not start one (overlong forms, encoded surrogates and values beyond
// U+10FFFF are rejected, as the UTF-8 definition requires).
int validSequenceLength(std::string_view s, char32_t &codePoint)
{
    const auto b0 = static_cast<unsigned char>(s[0]);
    if (b0 < 0x80) {
        codePoint = b0;
        return 1;
    }
    int length = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        length = 2;
        codePoint = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        length = 3;
        codePoint = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        length = 4;
        codePoint = b0 & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < static_cast<size_t>(length))
        return 0;
    for (int i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (!isContinuation(b))
            return 0;
        codePoint = (codePoint << 6) | (b & 0x3F);
    }
    if (codePoint < min || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool isEscapedByte(char16_t unit)
{
    return unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF;
}

} // namespace

QString fromBytes(std::string_view bytes)
{
    QString out;
    out.reserve(static_cast<qsizetype>(bytes.size()));
    while (!bytes.empty()) {
        char32_t cp = 0;
        const int length = validSequenceLength(bytes, cp);
        if (length == 0) {
            out.append(QChar(static_cast<char16_t>(kEscapeBase + static_cast<unsigned char>(bytes[0]))));
            bytes.remove_prefix(1);
            continue;
        }
        if (cp < 0x10000) {
            out.append(QChar(static_cast<char16_t>(cp)));
        } else {
            const QChar pair[2] = {QChar::highSurrogate(cp), QChar::lowSurrogate(cp)};
            out.append(pair, 2);
        }
        bytes.remove_prefix(static_cast<size_t>(length));
    }
    return out;
}

std::string toBytes(QStringView path)
{
    std::string out;
    out.reserve(static_cast<size_t>(path.size()));
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t unit = path[i].unicode();
        if (QChar::isHighSurrogate(unit) && i + 1 < path.size() && QChar::isLowSurrogate(path[i + 1].unicode())) {
            appendUtf8(out, QChar::surrogateToUcs4(unit, path[i + 1].unicode()));
            ++i;
        } else if (isEscapedByte(unit)) {
            out.push_back(static_cast<char>(unit - kEscapeBase));
        } else if (QChar::isSurrogate(unit)) {
            // A stray surrogate that no decoding produced has no byte form; it cannot name
            // an existing file, so U+FFFD keeps the result well-formed.
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

std::string percentEncoded(std::string_view bytes)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') || b == '-' || b == '.'
            || b == '_' || b == '~' || b == '/') {
            out.push_back(c);
        } else {
            out.push_back('%');
            out.push_back(kHex[b >> 4]);
            out.push_back(kHex[b & 0xF]);
        }
    }
    return out;
}

QString display(QStringView path)
{
    QString out = path.toString();
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate())
            ++i; // the low half of a real pair is not an escaped byte
        else if (isEscapedByte(out[i].unicode()))
            out[i] = QChar(kReplacement);
    }
    return out;
}

QUrl toFileUrl(QStringView path)
{
    return QUrl::fromEncoded(QByteArray("file://") + QByteArray::fromStdString(percentEncoded(toBytes(path))));
}

QString fromFileUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return fromBytes(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

} // namespace pelmo::PathBytes
