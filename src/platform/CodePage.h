#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Data files hold single-byte Windows-1252 text; field widths count bytes. This is the one
// place that converts between those bytes and QString.
QString FromCodePage(QByteArrayView bytes);

// A character the code page lacks becomes "?"; screens refuse such characters as they are typed.
QByteArray ToCodePage(const QString& text);

// True when every character of the text has a byte in the code page.
bool FitsCodePage(const QString& text);
