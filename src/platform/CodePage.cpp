#include "platform/CodePage.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace {

// The code page is single-byte, so one table of its 256 characters (taken once from Qt's own
// converter) serves both directions and spares a converter per field.
struct CodePageTables {
    std::array<char16_t, 256> toUnicode{};
    QHash<char16_t, char> fromUnicode;

    CodePageTables()
    {
        QStringDecoder decoder("windows-1252");
        for (int byte = 0; byte < 256; ++byte) {
            const char c = char(byte);
            QString decoded = decoder.isValid() ? decoder.decode(QByteArrayView(&c, 1)) : QString(QChar(byte));
            if (decoded.size() != 1 || decoded.at(0) == QChar::ReplacementCharacter)
                decoded = QString(QChar(byte)); // the code page's unassigned bytes
            toUnicode[size_t(byte)] = decoded.at(0).unicode();
            fromUnicode.insert(decoded.at(0).unicode(), c);
        }
    }
};

const CodePageTables& Tables()
{
    static const CodePageTables tables;
    return tables;
}

} // namespace

QString FromCodePage(QByteArrayView bytes)
{
    const CodePageTables& tables = Tables();
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const char* in = bytes.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = tables.toUnicode[uchar(in[i])];
    return text;
}

QByteArray ToCodePage(const QString& text)
{
    const CodePageTables& tables = Tables();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        // A character outside the code page costs one "?", so a field keeps one byte per character.
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        const auto found = tables.fromUnicode.constFind(c.unicode());
        bytes.append(found != tables.fromUnicode.constEnd() ? *found : '?');
    }
    return bytes;
}

bool FitsCodePage(const QString& text)
{
    const CodePageTables& tables = Tables();
    for (QChar c : text)
        if (!tables.fromUnicode.contains(c.unicode()))
            return false;
    return true;
}
