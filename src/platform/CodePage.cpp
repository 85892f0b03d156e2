#include "platform/CodePage.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr const char* CodePageName = "windows-1252";
}

QString FromCodePage(const QByteArray& bytes)
{
    QStringDecoder decoder(CodePageName);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray ToCodePage(const QString& text)
{
    QStringEncoder encoder(CodePageName);
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes;
    bytes.reserve(text.size());
    // Encode character by character so one missing character costs one "?" and keeps
    // every field's byte count equal to its character count.
    for (qsizetype i = 0; i < text.size(); ++i) {
        qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        QStringView one = QStringView(text).mid(i, length);
        QStringEncoder single(CodePageName);
        QByteArray encoded = single.encode(one);
        if (single.hasError() || encoded.size() != 1)
            bytes.append('?');
        else
            bytes.append(encoded);
        i += length - 1;
    }
    return bytes;
}

bool FitsCodePage(const QString& text)
{
    QStringEncoder encoder(CodePageName);
    if (!encoder.isValid())
        return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 256; });
    QByteArray encoded = encoder.encode(text);
    return !encoder.hasError() && encoded.size() == text.size();
}
