#pragma once
// Text between the core (UTF-8, counted in characters) and Qt (UTF-16).

#include <QString>

#include <string>
#include <string_view>

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToStdString(const QString& text) {
  const QByteArray bytes = text.toUtf8();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// The UTF-16 position of character number `chars`, clamped to the text, so that
// a character range never splits a surrogate pair.
inline qsizetype Utf16Offset(const QString& text, qsizetype chars) {
  qsizetype offset = 0;
  for (qsizetype seen = 0; seen < chars && offset < text.size(); ++seen) {
    offset += text.at(offset).isHighSurrogate() && offset + 1 < text.size() ? 2 : 1;
  }
  return offset;
}

// Characters in the text, a surrogate pair counting once.
inline qsizetype CharCount(const QString& text) {
  qsizetype count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate() || i == 0 || !text.at(i - 1).isHighSurrogate()) ++count;
  }
  return count;
}

// Edit boxes hold "\r\n" line breaks, as the core reads and writes them.
inline QString FromCrLf(QString text) { return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")); }
inline QString ToCrLf(QString text) { return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")); }

// Static texts mark a mnemonic with "&" and a literal ampersand with "&&";
// labels here show no mnemonics, so both are resolved.
inline QString StripMnemonics(const QString& text) {
  QString plain;
  plain.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) == QLatin1Char('&') && i + 1 < text.size()) ++i;
    else if (text.at(i) == QLatin1Char('&')) continue;
    plain.append(text.at(i));
  }
  return plain;
}
